#include "StationGolden.h"

#include "GoldenPass.h"
#include "ModelsFile.h"
#include "StoreChoice.h"

#include <QRegularExpression>
#include <QThread>

#include <algorithm>

namespace velmor {

namespace {

// A value of station.conf as written, its list's brackets and quotes aside: QSettings takes
// `shifts = ["06:00", "14:00"]` for a list of its comma-separated pieces.
QStringList words(const QVariant& value) {
    QString text = value.toStringList().join(QLatin1Char(','));
    text.remove(QRegularExpression(QStringLiteral("[\\[\\]\"]")));
    QStringList out;
    for (const QString& word : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!word.trimmed().isEmpty())
            out << word.trimmed();
    return out;
}

} // namespace

StationGolden::StationGolden(const std::optional<results::StoreAddress>& store, const QString& conf,
                             const QVariant& golden, const QVariant& shifts, QObject* parent)
    : QObject(parent), store_(store) {
    const QStringList policy = words(golden);
    if (policy.isEmpty() || policy == QStringList{QStringLiteral("off")})
        return;
    if (policy != QStringList{QStringLiteral("shift")}) {
        setupRefused_ = tr("%1: golden = «%2»: допустимо \"shift\" или \"off\".")
                            .arg(conf, policy.join(QStringLiteral(", ")));
        return;
    }
    on_ = true;
    static const QRegularExpression time(QStringLiteral("^([0-9]{1,2}):([0-9]{2})$"));
    for (const QString& word : words(shifts)) {
        const auto match = time.match(word);
        const QTime start = match.hasMatch()
                                ? QTime(match.captured(1).toInt(), match.captured(2).toInt())
                                : QTime();
        if (!start.isValid()) {
            setupRefused_ = tr("%1: shifts: «%2» не время начала смены ЧЧ:ММ.").arg(conf, word);
            return;
        }
        starts_.push_back(start);
    }
    if (starts_.empty()) {
        setupRefused_ = tr("%1: golden = \"shift\" требует начала смен, например "
                           "shifts = [\"06:00\", \"14:00\", \"22:00\"].")
                            .arg(conf);
        return;
    }
    std::sort(starts_.begin(), starts_.end());
    const auto named = goldenSerials();
    if (const auto* serials = std::get_if<QStringList>(&named))
        ask(*serials);
}

StationGolden::~StationGolden() {
    if (lookUp_)
        lookUp_->wait();
}

std::variant<QStringList, QString> StationGolden::goldenSerials() {
    const auto models = readModels(results::modelsFilePath());
    if (const auto* error = std::get_if<PlanError>(&models))
        return error->text();
    QStringList serials;
    for (const auto& [serial, model] : std::get<Models>(models).golden)
        serials << serial;
    return serials;
}

QDateTime StationGolden::shiftStart(const std::vector<QTime>& starts, const QDateTime& now) {
    const auto after = std::upper_bound(starts.begin(), starts.end(), now.time());
    if (after == starts.begin())
        return QDateTime(now.date().addDays(-1), starts.back());
    return QDateTime(now.date(), *(after - 1));
}

void StationGolden::ask(const QStringList& golden) {
    if (!store_ || (lookUp_ && lookUp_->isRunning()))
        return;
    auto found = std::make_shared<std::variant<std::optional<QDateTime>, QString>>();
    lookUp_.reset(QThread::create(
        [store = *store_, golden, found] { *found = results::lastGoldenPass(store, golden); }));
    connect(lookUp_.get(), &QThread::finished, this, [this, found] {
        if (const auto* error = std::get_if<QString>(&*found)) {
            storeError_ = *error;
            return;
        }
        storeError_.clear();
        const auto& at = std::get<std::optional<QDateTime>>(*found);
        if (at && (!lastPass_ || *at > *lastPass_))
            lastPass_ = at;
    });
    lookUp_->start();
}

std::optional<QString> StationGolden::refusal(const QString& serial) {
    if (!setupRefused_.isEmpty())
        return setupRefused_ + QLatin1Char(' ') +
               tr("Исправьте station.conf и откройте станцию заново.");
    if (!on_)
        return std::nullopt;
    const auto golden = goldenSerials();
    if (const auto* error = std::get_if<QString>(&golden))
        return tr("Файл моделей отклонён: %1\nИсправьте его: в нём названы эталонные блоки.")
            .arg(*error);
    const QStringList& serials = std::get<QStringList>(golden);
    if (serials.contains(serial))
        return std::nullopt;
    if (serials.isEmpty())
        return tr("Станция требует проверки эталонного блока в каждой смене, но файл моделей %1 "
                  "не называет ни одного: укажите его серийный номер (golden = [\"…\"]).")
            .arg(results::modelsFilePath());
    const QDateTime since = shiftStart(starts_, QDateTime::currentDateTime());
    if (lastPass_ && *lastPass_ >= since)
        return std::nullopt;
    if (lookUp_ && lookUp_->isRunning())
        return tr("Проверка эталонного блока ещё ищется в базе; нажмите Enter ещё раз");
    ask(serials); // a golden run kept meanwhile by another program counts at the next Enter
    QString why =
        tr("В этой смене (с %1) эталонный блок на этом стенде ещё не прошёл проверку. "
           "Сначала проверьте эталонный блок (%2), затем этот.")
            .arg(since.toString(QStringLiteral("HH:mm")), serials.join(QStringLiteral(", ")));
    if (!storeError_.isEmpty())
        why += QLatin1Char('\n') + tr("База результатов не прочитана: %1").arg(storeError_);
    return why;
}

void StationGolden::passed(const QString& serial) {
    if (!on_)
        return;
    const auto golden = goldenSerials();
    if (const auto* serials = std::get_if<QStringList>(&golden);
        serials && serials->contains(serial))
        lastPass_ = QDateTime::currentDateTimeUtc();
}

} // namespace velmor

#include "moc_StationGolden.cpp"
