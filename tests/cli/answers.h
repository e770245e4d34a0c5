#pragma once

// What sign and match answer, made in this process from the command line's own
// parsing and output, without starting the program: the options read by the
// commands' table, each date checked, each answer written as the command writes it.
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>
#include <functional>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/dates.h"
#include "cli/failure.h"
#include "cli/match.h"
#include "cli/sign.h"

namespace zodiac::testing {

inline QJsonObject Object(const QByteArray& line) { return QJsonDocument::fromJson(line).object(); }

// The columns a line takes in a terminal, counted apart from the program: CJK
// and kana take two.
inline int TerminalColumns(const QString& text) {
    int columns = 0;
    for (const QChar c : text) columns += c.unicode() >= 0x2E80 ? 2 : 1;
    return columns;
}

// The request in a command's arguments (those after its name).
inline cli::Request RequestOf(std::string_view command, const QStringList& arguments) {
    return *cli::ParseRequest(*cli::FindCommand(command), arguments);
}

// What sign writes for the arguments after its name, in text or JSON.
inline QByteArray Signed(const QStringList& arguments) {
    const cli::Request request = RequestOf("sign", arguments);
    const Birthplace place = cli::BirthplaceNamed(request.zone);
    cli::SignEntries entries(request.json ? cli::SignEntries::Json : cli::SignEntries::Text, request.start,
                             {place, !request.zone.isNull()});
    QByteArray out;
    for (const QString& date : request.arguments) {
        const cli::Checked checked = cli::CheckedBirth(date, request.start, place);
        entries.Append(out, checked.birth, cli::SignEntries::YearKey(checked.year));
    }
    return out;
}

// What match writes for the arguments after its name, in text or JSON.
inline QByteArray Matched(const QStringList& arguments) {
    const cli::Request request = RequestOf("match", arguments);
    const Birthplace place = cli::BirthplaceNamed(request.zone);
    const auto reading = [&](const QString& date) {
        const cli::Checked checked = cli::CheckedBirth(date, request.start, place);
        return ReadingOf({}, checked.birth, checked.year, request.start, place);
    };
    const Match match = MatchOf(reading(request.arguments.value(0)), reading(request.arguments.value(1)));
    return request.json ? cli::JsonLine(cli::MatchJson(match, {place, !request.zone.isNull()}))
                        : cli::MatchText(match, place);
}

// The message that refused what `step` was given, or a null string when it was taken.
inline QString RefusalOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const cli::Failure& failure) {
        return failure.status == cli::kBadInput ? failure.message : QStringLiteral("not bad input: ") + failure.message;
    }
    return {};
}

// A refusal as bad input, by a message that names `named` and fits, after the
// program's name, on one short line that repeats no control character.
inline void ExpectRefusal(const QString& message, const QString& named) {
    QVERIFY2(!message.isNull(), qPrintable(QStringLiteral("taken; expected a refusal naming ") + named));
    QVERIFY2(message.contains(named), qPrintable(message));
    QVERIFY2(message.size() < 400 - 16, qPrintable(message.left(400)));
    for (const QChar c : message) QVERIFY2(c.isPrint(), qPrintable(message));
}

inline void ExpectRefused(const std::function<void()>& step, const QString& named) {
    ExpectRefusal(RefusalOf(step), named);
}

// `object` holds each key=value of `expected` (a/b for b within a).
inline void ExpectValues(const QJsonObject& object, const QStringList& expected) {
    for (const QString& pair : expected) {
        const QStringList path = pair.section(u'=', 0, 0).split(u'/');
        QJsonValue value = object;
        for (const QString& key : path) value = value.toObject()[key];
        QCOMPARE(value.isDouble() ? QString::number(value.toInt()) : value.toString(), pair.section(u'=', 1));
    }
}

// sign's JSON for the arguments holds each key=value of `expected`; match tells
// the same of the first; and the text, if `line` is given, holds it as a line.
inline void CheckSign(const QStringList& arguments, const QStringList& expected, const QString& line) {
    const QJsonObject sign = Object(Signed(QStringList{"--json"} + arguments));
    ExpectValues(sign, expected);
    if (QTest::currentTestFailed()) return;
    const QStringList dates = arguments.filter(QRegularExpression(QStringLiteral("^[0-9]")));
    QStringList options = arguments;
    options.removeAll(dates.first());
    QCOMPARE(Object(Matched(QStringList{"--json"} + options + dates + dates))["first"].toObject(), sign);
    if (!line.isEmpty()) {
        const QStringList text = QString::fromUtf8(Signed(arguments)).split(u'\n');
        QVERIFY2(text.contains(line), qPrintable(text.join(u'\n')));
    }
}

}  // namespace zodiac::testing
