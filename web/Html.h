#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace velmor::web {

// A text fit to stand in a page or an attribute: control characters escaped as the command line
// shows them, then every character of markup as an entity. Every value from the store goes
// through here.
QString html(const QString& text);

// A value fit for a query string or a path segment, percent-encoded.
QString urlPart(const QString& text);

// An anchor; the address is made by this program, the text is escaped here.
QString link(const QString& href, const QString& text);

// A language-free word of the store in the view's language: a record's kind, end state, outcome or
// verdict; any other word as it is. Escaped.
QString shownWord(const QString& word);

// An outcome or verdict in the view's language, coloured by its class (pass, marginal, fail,
// error; an aborted run is an error's colour); "-" for none.
QString outcomeCell(const QString& outcome);

// A table of the header's columns; the cells are markup already.
QString table(const QStringList& header, const std::vector<QStringList>& rows);

// A table of a record's fields, a row each: the name (escaped here) and the value (markup).
QString headerTable(const std::vector<std::pair<QString, QString>>& fields);

// A whole page under the title (escaped here), with the menu and the style sheet; body is markup.
QByteArray page(const QString& title, const QString& body);

// The style sheet every page links to.
QByteArray styleSheet();

} // namespace velmor::web
