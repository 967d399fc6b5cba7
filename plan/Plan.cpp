#include "Plan.h"

#include "PlanTable.h"
#include "StepKinds.h"
#include "Unit.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "TomlDocument.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmor {

namespace {

using Need = PlanTable::Need;

void readHeading(PlanTable& root, Plan& plan) {
    auto heading = root.table("plan", Need::Optional);
    if (!heading)
        return;
    if (auto name = heading->text("name", Need::Optional)) {
        if (name->trimmed().isEmpty() || name->size() > maxPlanNameLength)
            heading->fail("name", QCoreApplication::translate(
                                      "velmor::Plan", "name must be 1 to %1 characters, not blank")
                                      .arg(maxPlanNameLength));
        else
            plan.name = *name;
    }
    if (const auto pace = heading->text("pace", Need::Optional)) {
        if (*pace == QLatin1String("replies"))
            plan.context.paceByReplies = true;
        else if (*pace != QLatin1String("ticks"))
            heading->fail("pace",
                          QCoreApplication::translate(
                              "velmor::Plan", "pace must be \"ticks\" or \"replies\", not \"%1\"")
                              .arg(*pace));
    }
    if (const auto settle = heading->integer("settle_ms", minSettleMs, maxSettleMs, Need::Optional))
        plan.context.settleMs = *settle;
    heading->finish();
}

void readSupply(PlanTable& root, PlanContext& context) {
    auto supply = root.table("supply");
    if (!supply)
        return;
    const auto watts = supply->number("watts", 1, 100000);
    const auto a5 = supply->number("a5", 0.1, 1000);
    const auto a12 = supply->number("a12", 0.1, 1000);
    const auto a33 = supply->number("a33", 0.1, 1000);
    const auto bound = supply->number("power_bound", 1, 100000, Need::Optional);
    if (supply->finish() && watts && a5 && a12 && a33) {
        context.label = {*watts, {*a5, *a12, *a33}};
        context.powerBoundWatts = bound.value_or(*watts);
    }
}

void readProfile(PlanTable& root, Profile& profile) {
    auto table = root.table("profile");
    if (!table)
        return;
    const auto name = table->text("name", Need::Optional);
    const auto guard = table->number("guard", 0, 10, Need::Optional);
    struct Band {
        const char* key;
        Tolerance Profile::*tolerance;
        std::optional<std::pair<double, double>> given;
        const UnitOutput* output;
    };
    std::array<Band, 3> bands{{{"out5", &Profile::out5, {}, &output5},
                               {"out12", &Profile::out12, {}, &output12},
                               {"out33", &Profile::out33, {}, &output33}}};
    int given = 0;
    for (Band& band : bands) {
        band.given = table->range(band.key, -20, 20, Need::Optional);
        given += band.given ? 1 : 0;
    }
    if (!table->finish())
        return;
    if (given == 0) {
        const auto named = namedProfile(name.value_or(QString()));
        if (!named) {
            const QString what =
                name ? QCoreApplication::translate(
                           "velmor::Plan", "unknown profile \"%1\" (known: atx, atx3; or give "
                                           "out5, out12 and out33)")
                           .arg(*name)
                     : QCoreApplication::translate(
                           "velmor::Plan", "the profile needs a name (atx, atx3) or out5, out12 "
                                           "and out33");
            if (name)
                table->fail("name", what);
            else
                table->fail(what);
            return;
        }
        profile = *named;
    } else if (given < 3) {
        table->fail(QCoreApplication::translate(
            "velmor::Plan", "a profile of its own gives out5, out12 and out33"));
        return;
    } else if (name && namedProfile(*name)) {
        table->fail("name",
                    QCoreApplication::translate(
                        "velmor::Plan", "\"%1\" is a built-in profile: name a profile of your own "
                                        "differently")
                        .arg(*name));
        return;
    } else {
        profile.name = name.value_or(QStringLiteral("own"));
        for (const Band& band : bands) {
            if (band.given->first > 0 || band.given->second < 0) {
                table->fail(band.key, QCoreApplication::translate(
                                          "velmor::Plan",
                                          "%1 must hold nominal: low at most 0, high at least 0")
                                          .arg(QString::fromLatin1(band.key)));
                return;
            }
            const double nominal = band.output->nominalVolts;
            if (!band.output->readsWithin(nominal * (1 + band.given->first / 100),
                                          nominal * (1 + band.given->second / 100))) {
                table->fail(band.key, QCoreApplication::translate(
                                          "velmor::Plan",
                                          "%1 is narrower than one step of the unit's reading: no "
                                          "reading can pass it")
                                          .arg(QString::fromLatin1(band.key)));
                return;
            }
            profile.*band.tolerance = {band.given->first, band.given->second};
        }
    }
    profile.guardPercent = guard.value_or(0);
    for (const Band& band : bands) {
        const Tolerance& t = profile.*band.tolerance;
        if (2 * profile.guardPercent >= t.highPercent - t.lowPercent && profile.guardPercent > 0) {
            table->fail("guard", QCoreApplication::translate(
                                     "velmor::Plan",
                                     "a guard band of %1 points leaves nothing of %2 (%3 to %4 %)")
                                     .arg(profile.guardPercent)
                                     .arg(QString::fromLatin1(band.key))
                                     .arg(t.lowPercent)
                                     .arg(t.highPercent));
            return;
        }
    }
}

QString knownKinds() {
    QStringList names;
    for (const StepKind& kind : stepKinds())
        names << QString::fromLatin1(kind.name);
    return names.join(QStringLiteral(", "));
}

void readSteps(std::vector<PlanTable>& tables, Plan& plan) {
    for (PlanTable& table : tables) {
        const auto kind = table.text("kind");
        const auto name = table.text("name", Need::Optional);
        if (!kind)
            continue;
        const auto& kinds = stepKinds();
        const auto found = std::find_if(kinds.begin(), kinds.end(), [&kind](const StepKind& k) {
            return *kind == QLatin1String(k.name);
        });
        if (found == kinds.end()) {
            table.fail("kind", QCoreApplication::translate("velmor::Plan",
                                                           "unknown step kind \"%1\" (known: %2)")
                                   .arg(*kind, knownKinds()));
            continue;
        }
        auto spec = found->read(table);
        if (!spec)
            continue;
        spec->name = name.value_or(*kind);
        plan.steps.push_back(std::move(spec));
    }
}

} // namespace

qint64 Plan::estimatedMs() const {
    qint64 ms = 0;
    for (const auto& step : steps)
        ms += step->estimatedMs(context);
    return ms;
}

namespace {

std::variant<Plan, PlanError> parseInto(const QByteArray& text, const QString& file,
                                        PlanErrors& errors) {
    auto parsed = tomlDocument(text, file);
    if (auto* refused = std::get_if<PlanError>(&parsed))
        return *refused;
    toml::table& document = std::get<toml::table>(parsed);
    Plan plan;
    plan.name = QFileInfo(file).completeBaseName();
    plan.file = file;
    plan.text = text;
    PlanTable root(&document, plan.context, errors);
    readHeading(root, plan);
    readSupply(root, plan.context);
    readProfile(root, plan.context.profile);
    // The loads are checked against the label and the bound: no use without them.
    if (!errors.first) {
        if (auto steps = root.tables("step", Need::Optional)) {
            readSteps(*steps, plan);
            if (steps->empty())
                root.fail(QCoreApplication::translate("velmor::Plan", "the plan has no steps"));
            else if (!errors.first && plan.estimatedMs() > maxPlanMs)
                root.fail(
                    QCoreApplication::translate(
                        "velmor::Plan", "the plan would take %1 days; a plan may take at most %2")
                        .arg(plan.estimatedMs() / (24 * 3600 * 1000))
                        .arg(maxPlanMs / (24 * 3600 * 1000)));
        } else if (!errors.first) {
            root.fail(QCoreApplication::translate("velmor::Plan",
                                                  "the plan has no steps ([[step]] tables)"));
        }
    }
    root.finish();
    if (errors.first) {
        errors.first->file = file;
        return *errors.first;
    }
    return plan;
}

} // namespace

std::variant<Plan, PlanError> parsePlan(const QByteArray& text, const QString& file) {
    PlanErrors errors;
    return parseInto(text, file, errors);
}

std::set<std::string> planKeysAsked(const QByteArray& text) {
    PlanErrors errors;
    parseInto(text, QString(), errors);
    return std::move(errors.keysAsked);
}

std::variant<Plan, PlanError> readPlan(const QString& path) {
    const auto fail = [&path](const QString& what) { return PlanError{path, 0, 0, what}; };
    // Checked on the open file, so nothing can be swapped in between; opened without blocking,
    // a FIFO cannot hang the read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(QCoreApplication::translate("velmor::Plan", "cannot be read: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno))));
    QFile file;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(QCoreApplication::translate("velmor::Plan", "not a regular file"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(QCoreApplication::translate("velmor::Plan", "cannot be read: %1")
                        .arg(file.errorString()));
    }
    const QByteArray text = file.read(maxPlanBytes + 1); // the file may grow meanwhile
    if (file.error() != QFileDevice::NoError)
        return fail(QCoreApplication::translate("velmor::Plan", "cannot be read: %1")
                        .arg(file.errorString()));
    if (text.size() > maxPlanBytes)
        return fail(
            QCoreApplication::translate("velmor::Plan", "larger than the %1 KiB a plan may have")
                .arg(maxPlanBytes / 1024));
    return parsePlan(text, path);
}

} // namespace velmor
