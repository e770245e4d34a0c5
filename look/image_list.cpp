#include "look/image_list.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmapCache>

namespace zodiac {

QPixmap CompiledPng(const QString& resource) {
    // On a screen scaled above 1 (1.5 or 2), the picture made at twice the size,
    // drawn at the same size as the other: sharp, where the first would be
    // scaled up and soft.
    QString file = resource;
    qreal ratio = 1;
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1) {
        const QString twice = QString(resource).replace(QLatin1String(".png"), QLatin1String("@2x.png"));
        if (QFile::exists(twice)) {
            file = twice;
            ratio = 2;
        }
    }
    // Decoded once; every later window shows the same pixmap.
    QPixmap picture;
    if (!QPixmapCache::find(file, &picture)) {
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        picture = QPixmap::fromImage(reader.read());
        picture.setDevicePixelRatio(ratio);
        QPixmapCache::insert(file, picture);
    }
    return picture;
}

QPixmap ImageList::Picture(int position) const { return CompiledPng(entry(position).resource); }

std::optional<int> ImageList::Find(const QString& key) const {
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

QPixmap SymbolPicture(AnimalSign sign) {
    const std::string_view name = Name(sign);
    // Every sign has its picture: the list holds the twelve English names.
    return JapaneseSymbols().Picture(
        *JapaneseSymbols().Find(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
}

}  // namespace zodiac
