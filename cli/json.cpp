#include "cli/json.h"

#include <algorithm>

namespace zodiac::cli {
namespace {

constexpr char kHex[] = "0123456789abcdef";

void AppendEscaped(QByteArray& out, char16_t unit) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xf];
}

// The ASCII that JSON escapes: the quote, the backslash and the controls, the
// common ones by their letters. True when `c` was one of them.
bool AppendAsciiEscape(QByteArray& out, char16_t c) {
    switch (c) {
        case u'"':
            out += "\\\"";
            return true;
        case u'\\':
            out += "\\\\";
            return true;
        case u'\b':
            out += "\\b";
            return true;
        case u'\f':
            out += "\\f";
            return true;
        case u'\n':
            out += "\\n";
            return true;
        case u'\r':
            out += "\\r";
            return true;
        case u'\t':
            out += "\\t";
            return true;
        default:
            if (c >= 0x20) return false;
            AppendEscaped(out, c);
            return true;
    }
}

}  // namespace

QByteArray JsonObject::Quoted(QStringView text) {
    QByteArray out;
    out.reserve(text.size() + 2);
    out += '"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            if (!AppendAsciiEscape(out, c)) out += static_cast<char>(c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            out += text.sliced(i, 2).toUtf8();
            ++i;
        } else if (QChar::isSurrogate(c)) {
            AppendEscaped(out, c);  // alone, it has no UTF-8
        } else {
            out += text.sliced(i, 1).toUtf8();
        }
    }
    out += '"';
    return out;
}

QByteArray JsonObject::Quoted(std::string_view utf8) {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(utf8.size()) + 2);
    out += '"';
    for (const char byte : utf8) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 0x80 || !AppendAsciiEscape(out, c)) out += byte;
    }
    out += '"';
    return out;
}

JsonObject& JsonObject::Written(std::string_view key, QByteArray written) {
    joined_.clear();
    const auto at = std::ranges::lower_bound(members_, key, {}, &std::pair<std::string_view, QByteArray>::first);
    if (at != members_.end() && at->first == key) {
        at->second = std::move(written);
    } else {
        members_.emplace(at, key, std::move(written));
    }
    return *this;
}

JsonObject& JsonObject::Text(std::string_view key, QStringView text) { return Written(key, Quoted(text)); }
JsonObject& JsonObject::Text(std::string_view key, std::string_view utf8) { return Written(key, Quoted(utf8)); }
JsonObject& JsonObject::Number(std::string_view key, long long number) {
    return Written(key, QByteArray::number(number));
}
JsonObject& JsonObject::Flag(std::string_view key, bool flag) {
    return Written(key, flag ? QByteArrayLiteral("true") : QByteArrayLiteral("false"));
}
JsonObject& JsonObject::Object(std::string_view key, const JsonObject& object) { return Written(key, object.Bytes()); }

JsonObject& JsonObject::Array(std::string_view key, const std::vector<QByteArray>& written) {
    QByteArray array = "[";
    for (const QByteArray& value : written) {
        if (array.size() > 1) array += ',';
        array += value;
    }
    return Written(key, array + ']');
}

void JsonObject::AppendTo(QByteArray& out) const { AppendMerged(out, {}, *this); }

void JsonObject::Join() const {
    if (!joined_.isEmpty() || members_.empty()) return;
    starts_.clear();
    for (const auto& [key, value] : members_) {
        if (!starts_.empty()) joined_ += ',';
        starts_.push_back(joined_.size());
        joined_ += '"';
        joined_.append(key.data(), static_cast<qsizetype>(key.size()));
        joined_ += "\":";
        joined_ += value;
    }
    starts_.push_back(joined_.size() + 1);  // where a member after the last would start
}

void JsonObject::AppendMerged(QByteArray& out, const JsonObject& shared, const JsonObject& own) {
    shared.Join();
    out += '{';
    bool first = true;
    const auto comma = [&] {
        if (!first) out += ',';
        first = false;
    };
    const std::size_t count = shared.members_.size();
    std::size_t next = 0;  // the first shared member not yet written
    // The shared members before `key` (all that are left, without one), in one append.
    const auto sharedUpTo = [&](const std::string_view* key) {
        std::size_t end = next;
        while (end < count && (!key || shared.members_[end].first < *key)) ++end;
        if (end > next) {
            comma();
            out.append(shared.joined_.constData() + shared.starts_[next],
                       shared.starts_[end] - 1 - shared.starts_[next]);
        }
        next = end;
        if (key && next < count && shared.members_[next].first == *key) ++next;  // the date's own wins
    };
    for (const auto& [key, value] : own.members_) {
        sharedUpTo(&key);
        comma();
        out += '"';
        out.append(key.data(), static_cast<qsizetype>(key.size()));
        out += "\":";
        out += value;
    }
    sharedUpTo(nullptr);
    out += '}';
}

QByteArray JsonObject::Bytes() const {
    QByteArray out;
    AppendTo(out);
    return out;
}

QByteArray JsonLine(const JsonObject& object) {
    QByteArray line = object.Bytes();
    line += '\n';
    return line;
}

}  // namespace zodiac::cli
