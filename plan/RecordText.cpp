#include "RecordText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace velmor {

namespace {

constexpr char context[] = "velmor::RecordText";

// A form of a stored text: the pattern it matches and what it becomes, with %1.. for the parts
// the pattern captures.
struct Form {
    QRegularExpression pattern;
    const char* text;
};

std::vector<Form> forms(std::initializer_list<std::pair<const char*, const char*>> list) {
    std::vector<Form> made;
    for (const auto& [pattern, text] : list)
        made.push_back({QRegularExpression(QString::fromUtf8(pattern)), text});
    return made;
}

// The English the steps record, and the catalogue's source for each.
const std::vector<Form>& englishForms() {
    static const std::vector<Form> list = forms({
        {R"(^(\+\S+ V) at (P\d+)$)", QT_TRANSLATE_NOOP("velmor::RecordText", "%1 at %2")},
        {R"(^(\+\S+ V) load at (P\d+)$)", QT_TRANSLATE_NOOP("velmor::RecordText", "%1 load at %2")},
        {R"(^regulation (.+)$)", QT_TRANSLATE_NOOP("velmor::RecordText", "regulation %1")},
        {R"(^(P\d+): no settled reading$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "%1: no settled reading")},
        {R"(^no settled reading at (P\d+)$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "no settled reading at %1")},
        {R"(^(\+\S+ V) lowest$)", QT_TRANSLATE_NOOP("velmor::RecordText", "%1 lowest")},
        {R"(^(\+\S+ V) highest$)", QT_TRANSLATE_NOOP("velmor::RecordText", "%1 highest")},
        {R"(^(\+\S+ V) readings outside$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "%1 readings outside")},
        {R"(^readings judged$)", QT_TRANSLATE_NOOP("velmor::RecordText", "readings judged")},
        {R"(^readings not judged$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "readings not judged")},
        {R"(^(.+), no reading judged$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "%1, no reading judged")},
        {R"(^(.+), ([\d,]+) judged, none outside$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "%1, %2 judged, none outside")},
        {R"(^(.+), ([\d,]+) judged, ([\d,]+) outside$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "%1, %2 judged, %3 outside")},
        {R"(^cells judged$)", QT_TRANSLATE_NOOP("velmor::RecordText", "cells judged")},
        {R"(^cells inside$)", QT_TRANSLATE_NOOP("velmor::RecordText", "cells inside")},
        {R"(^cells outside$)", QT_TRANSLATE_NOOP("velmor::RecordText", "cells outside")},
        {R"(^worst (\+\S+ V)$)", QT_TRANSLATE_NOOP("velmor::RecordText", "worst %1")},
        {R"(^(\d+) of (\d+) cells inside$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "%1 of %2 cells inside")},
        {R"(^trip power$)", QT_TRANSLATE_NOOP("velmor::RecordText", "trip power")},
        {R"(^held power$)", QT_TRANSLATE_NOOP("velmor::RecordText", "held power")},
        {R"(^trip current (\+\S+ V)$)", QT_TRANSLATE_NOOP("velmor::RecordText", "trip current %1")},
        {R"(^held current (\+\S+ V)$)", QT_TRANSLATE_NOOP("velmor::RecordText", "held current %1")},
        {R"(^no trip up to$)", QT_TRANSLATE_NOOP("velmor::RecordText", "no trip up to")},
        {R"(^(\+\S+ V) before the trip$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "%1 before the trip")},
        {R"(^trip at (\S+) W$)", QT_TRANSLATE_NOOP("velmor::RecordText", "trip at %1 W")},
        {R"(^trip at (\S+) A on (\+\S+ V)$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "trip at %1 A on %2")},
        {R"(^no trip up to (\S+) W$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "no trip up to %1 W")},
        {R"(^no trip up to (\S+) A$)",
         QT_TRANSLATE_NOOP("velmor::RecordText", "no trip up to %1 A")},
    });
    return list;
}

// The Russian that earlier versions stored for the trip's and the sweep's names and figures.
const std::vector<Form>& russianForms() {
    static const std::vector<Form> list = forms({
        {"^срабатывание: мощность$", "trip power"},
        {"^удержано: мощность$", "held power"},
        {"^срабатывание: ток (.+)$", "trip current %1"},
        {"^удержано: ток (.+)$", "held current %1"},
        {"^нет срабатывания до$", "no trip up to"},
        {R"(^\+5 В до срабатывания$)", "+5 V before the trip"},
        {R"(^\+12 В до срабатывания$)", "+12 V before the trip"},
        {R"(^\+3,3 В до срабатывания$)", "+3.3 V before the trip"},
        {R"(^срабатывание при (\S+) Вт$)", "trip at %1 W"},
        {R"(^срабатывание при (\S+) А на (.+)$)", "trip at %1 A on %2"},
        {R"(^нет срабатывания до (\S+) (\S+)$)", "no trip up to %1 %2"},
        {"^ячеек оценено$", "cells judged"},
        {"^ячеек в допуске$", "cells inside"},
        {"^ячеек вне допуска$", "cells outside"},
        {R"(^худшее \+5 В$)", "worst +5 V"},
        {R"(^худшее \+12 В$)", "worst +12 V"},
        {R"(^(\d+) из (\d+) ячеек в допуске$)", "%1 of %2 cells inside"},
    });
    return list;
}

// The outputs' names, which a captured part may hold.
constexpr const char* outputNames[] = {QT_TRANSLATE_NOOP("velmor::RecordText", "+5 V"),
                                       QT_TRANSLATE_NOOP("velmor::RecordText", "+12 V"),
                                       QT_TRANSLATE_NOOP("velmor::RecordText", "+3.3 V")};

// A regulation figure's word for an output whose every reading was at an end of the range.
constexpr const char* beyond = QT_TRANSLATE_NOOP("velmor::RecordText", "beyond the range");

} // namespace

// A captured part with the words that have a translation of their own put in the run's
// language: the outputs' names, "beyond the range" and the units of a duration or a figure
// ("+3.3 V 0.8 %", "1 h 30 min", "11.29 V", "15.1 A", "150 W").
QString shownWords(const QString& part) {
    static const QRegularExpression words(
        R"((\+5 V|\+12 V|\+3\.3 V)|(beyond the range)|\b(\d+(?:\.\d+)?) (h|min|s|V|A|W)\b)");
    QString shown;
    qsizetype from = 0;
    for (auto it = words.globalMatch(part); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        shown += part.mid(from, m.capturedStart() - from);
        if (m.hasCaptured(1)) {
            for (const char* name : outputNames)
                if (m.captured(1) == QLatin1String(name))
                    shown += QCoreApplication::translate(context, name);
        } else if (m.hasCaptured(2)) {
            shown += QCoreApplication::translate(context, beyond);
        } else {
            const QString unit = m.captured(4);
            const char* form =
                unit == QLatin1String("h")     ? QT_TRANSLATE_NOOP("velmor::RecordText", "%1 h")
                : unit == QLatin1String("min") ? QT_TRANSLATE_NOOP("velmor::RecordText", "%1 min")
                : unit == QLatin1String("V")   ? QT_TRANSLATE_NOOP("velmor::RecordText", "%1 V")
                : unit == QLatin1String("A")   ? QT_TRANSLATE_NOOP("velmor::RecordText", "%1 A")
                : unit == QLatin1String("W")   ? QT_TRANSLATE_NOOP("velmor::RecordText", "%1 W")
                                               : QT_TRANSLATE_NOOP("velmor::RecordText", "%1 s");
            shown += QCoreApplication::translate(context, form).arg(m.captured(3));
        }
        from = m.capturedEnd();
    }
    return shown + part.mid(from);
}

namespace {

// The form with its %1.. filled in one pass, so that a part holding "%2" stays as it is. No form
// captures more than three parts.
QString filled(const QString& form, const QRegularExpressionMatch& m,
               QString (*shown)(const QString&)) {
    QStringList parts;
    for (int i = 1; i <= m.lastCapturedIndex(); ++i)
        parts << shown(m.captured(i));
    switch (parts.size()) {
    case 0:
        return form;
    case 1:
        return form.arg(parts[0]);
    case 2:
        return form.arg(parts[0], parts[1]);
    default:
        return form.arg(parts[0], parts[1], parts[2]);
    }
}

QString asStored(const QString& part) {
    return part;
}

QString canonicalPart(const QString& stored) {
    // Only a text with a letter beyond ASCII can be an earlier version's Russian.
    if (std::all_of(stored.begin(), stored.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return stored;
    for (const Form& form : russianForms())
        if (const QRegularExpressionMatch m = form.pattern.match(stored); m.hasMatch())
            return filled(QString::fromUtf8(form.text), m, asStored);
    return stored;
}

QString shownPart(const QString& canonical) {
    for (const Form& form : englishForms())
        if (const QRegularExpressionMatch m = form.pattern.match(canonical); m.hasMatch())
            return filled(QCoreApplication::translate(context, form.text), m, shownWords);
    return canonical;
}

// A run's key figure joins its steps' with "; ".
template <typename Each> QString eachPart(const QString& text, Each each) {
    if (!text.contains(QLatin1String("; ")))
        return each(text);
    QStringList parts = text.split(QStringLiteral("; "));
    for (QString& part : parts)
        part = each(part);
    return parts.join(QStringLiteral("; "));
}

} // namespace

QString canonicalRecordText(const QString& stored) {
    return eachPart(stored, canonicalPart);
}

QString shownRecordText(const QString& canonical) {
    return eachPart(canonical, shownPart);
}

} // namespace velmor
