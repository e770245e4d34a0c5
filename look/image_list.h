#pragma once

#include <QPixmap>
#include <QString>
#include <optional>
#include <vector>

#include "engine/animal_sign.h"

namespace zodiac {

// Pictures kept under text keys, in a fixed order; each is read from the
// compiled-in resources only when it is asked for.
class ImageList {
public:
    struct Entry {
        QString key;
        QString resource;
    };

    explicit ImageList(std::vector<Entry> entries) : entries_(std::move(entries)) {}

    int count() const { return static_cast<int>(entries_.size()); }
    const Entry& entry(int position) const { return entries_.at(static_cast<std::size_t>(position - 1)); }  // 1-based
    QPixmap Picture(int position) const;
    // The first entry whose key equals `key` exactly.
    std::optional<int> Find(const QString& key) const;

private:
    std::vector<Entry> entries_;
};

// A PNG picture of the compiled-in resources, decoded once. Qt's own PNG reader,
// asked for by name, spares loading every image plugin (libjpeg too) to ask
// each whether it reads the file. On a screen scaled above 1, the picture's
// twice-size version (name@2x.png) where there is one, with a device pixel
// ratio of 2, so that it takes the same room.
QPixmap CompiledPng(const QString& resource);

// Animal pictures keyed by the western sign of each animal's profile.
const ImageList& AnimalPictures();
// Sign characters keyed by the English animal name, in alphabetical order.
const ImageList& JapaneseSymbols();
// The symbol picture of a sign: its character, found by the sign's English name.
QPixmap SymbolPicture(AnimalSign sign);

}  // namespace zodiac
