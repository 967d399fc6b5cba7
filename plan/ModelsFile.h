#pragma once

#include "PlanError.h"

#include <QString>
#include <map>
#include <variant>

namespace velmor {

// The lab's models file: which plan tests each model, and the model's golden units, known-good
// supplies tested now and then to see that each bench still measures as it did:
//   [models."ATX-450"]
//   plan = "/path/quick.toml"   # relative to the models file's folder when not absolute
//   golden = ["GOLD-450-1"]     # optional; a serial is golden under one model only
struct Models {
    std::map<QString, QString> plans;  // model → its plan file
    std::map<QString, QString> golden; // golden serial → its model
    bool isGolden(const QString& serial) const { return golden.count(serial) > 0; }
};

// The models file read and checked; an error names the file, line and column. A missing file
// is no error: it has no models.
std::variant<Models, PlanError> readModels(const QString& path);

} // namespace velmor
