#include "shell/image_list.h"

#include <QImageReader>
#include <QPixmapCache>

namespace zodiac {

QPixmap CompiledPng(const QString& resource) {
    // Decoded once; every later window shows the same pixmap.
    QPixmap picture;
    if (!QPixmapCache::find(resource, &picture)) {
        QImageReader reader(resource, "png");
        reader.setAutoDetectImageFormat(false);
        picture = QPixmap::fromImage(reader.read());
        QPixmapCache::insert(resource, picture);
    }
    return picture;
}

QPixmap ImageList::picture(int position) const { return CompiledPng(entry(position).resource); }

std::optional<int> ImageList::find(const QString& key) const {
    for (int position = 1; position <= count(); ++position) {
        if (entry(position).key == key) return position;
    }
    return std::nullopt;
}

const ImageList& AnimalPictures() {
    static const ImageList list({
        {"Aquarius", ":/animals/tiger.png"},
        {"Aries", ":/animals/dragon.png"},
        {"Cancer", ":/animals/sheep.png"},
        {"Capricorn", ":/animals/ox.png"},
        {"Gemini", ":/animals/horse.png"},
        {"Leo", ":/animals/monkey.png"},
        {"Libra", ":/animals/dog.png"},
        {"Pisces", ":/animals/rabbit.png"},
        {"Sagittarius", ":/animals/rat.png"},
        {"Scorpio", ":/animals/boar.png"},
        {"Taurus", ":/animals/snake.png"},
        {"Virgo", ":/animals/rooster.png"},
    });
    return list;
}

const ImageList& JapaneseSymbols() {
    static const ImageList list({
        {"Boar", ":/symbols/boar.png"},
        {"Dog", ":/symbols/dog.png"},
        {"Dragon", ":/symbols/dragon.png"},
        {"Horse", ":/symbols/horse.png"},
        {"Monkey", ":/symbols/monkey.png"},
        {"Ox", ":/symbols/ox.png"},
        {"Rabbit", ":/symbols/rabbit.png"},
        {"Rat", ":/symbols/rat.png"},
        {"Rooster", ":/symbols/rooster.png"},
        {"Sheep", ":/symbols/sheep.png"},
        {"Snake", ":/symbols/snake.png"},
        {"Tiger", ":/symbols/tiger.png"},
    });
    return list;
}

}  // namespace zodiac
