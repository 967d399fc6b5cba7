#pragma once

#include <QString>

#include <optional>

namespace velmor {

// A run's verdict: none when nothing was judged and the supply did not fail to power on;
// incomplete for a run that did not complete, which has no verdict.
enum class Verdict { None, Pass, Fail, Incomplete };

// "none", "pass", "fail" or "incomplete", as the records and the summary write it.
QString verdictName(Verdict verdict);
// The verdict a name of verdictName's stands for, or nothing.
std::optional<Verdict> verdictNamed(const QString& name);
// The verdict as the report and the command-line sweep's last line show it, in the run's
// language: "PASS", "FAIL", "NO VERDICT" or "INCOMPLETE".
QString verdictWord(Verdict verdict);

} // namespace velmor
