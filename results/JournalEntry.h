#pragma once

#include "Records.h"

#include <QByteArray>
#include <QString>

#include <variant>

namespace velmor::results {

// A record as a journal entry (its layout is in JournalEntry.cpp), and back; why not, when the
// bytes are not one this program can read. Entries of earlier programs are read too.
QByteArray encode(const Record& record);
std::variant<Record, QString> decode(const QByteArray& bytes);

} // namespace velmor::results
