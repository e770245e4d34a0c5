#pragma once

#include <QByteArray>
#include <QStringView>
#include <string_view>
#include <utility>
#include <vector>

namespace zodiac::cli {

// The one way the command line writes JSON: compact, and each object's members
// in the order of their keys, as scripts have always seen them. Values are
// written once and kept as bytes, so an object made for a year serves every
// date in it.
class JsonObject {
public:
    // Keys are the program's own literals, kept by reference. Setting a key
    // that is there already replaces its value.
    JsonObject& Text(std::string_view key, QStringView text);
    JsonObject& Text(std::string_view key, std::string_view utf8);
    JsonObject& Number(std::string_view key, long long number);
    JsonObject& Flag(std::string_view key, bool flag);
    JsonObject& Object(std::string_view key, const JsonObject& object);
    JsonObject& Array(std::string_view key, const std::vector<QByteArray>& written);
    // A value written already: another object's Bytes(), or a Quoted() text.
    JsonObject& Written(std::string_view key, QByteArray written);

    bool IsEmpty() const { return members_.empty(); }
    void Clear() {
        members_.clear();
        joined_.clear();
    }
    void AppendTo(QByteArray& out) const;
    QByteArray Bytes() const;
    // The members of both as one object, in the order of their keys: a date's
    // own beside its year's, without copying either. A key in both is written once, from `own`.
    static void AppendMerged(QByteArray& out, const JsonObject& shared, const JsonObject& own);

    static QByteArray Quoted(QStringView text);
    static QByteArray Quoted(std::string_view utf8);

private:
    std::vector<std::pair<std::string_view, QByteArray>> members_;  // in the order of their keys
    // The members written out, joined by commas, and where each starts: made
    // when the object is first merged, so that a run of them is one append.
    mutable QByteArray joined_;
    mutable std::vector<qsizetype> starts_;
    void Join() const;
};

// An object as one line of compact JSON.
QByteArray JsonLine(const JsonObject& object);

}  // namespace zodiac::cli
