#include "updateschedule.h"

#include "clock.h"
#include "tavlogging.h"
#include "tavsettings.h"

namespace {
const QString kGroup = QStringLiteral("Settings");
const QString kPeriodKey = QStringLiteral("CheckUpdate");
const QString kDateKey = QStringLiteral("DateCheckUpdate");
} // namespace

int UpdateSchedule::periodDays(int period)
{
    switch (period) {
    case Weekly:
        return 7;
    case Fortnightly:
        return 14;
    case Monthly:
        return 30;
    default:
        return 0;
    }
}

UpdateSchedule::Decision UpdateSchedule::decide(std::optional<int> period, const QDate &lastCheck,
                                                const QDate &today, bool hostConfigured)
{
    Decision decision;
    if (!hostConfigured)
        return decision;

    if (!period) {
        // Never chosen: check now and go on weekly from today.
        decision.checkNow = true;
        decision.store = true;
        decision.period = Weekly;
        decision.lastCheck = today;
        return decision;
    }

    // 0 is the user's "Never"; any other value is not a period.
    const int days = periodDays(*period);
    if (days == 0)
        return decision;

    // A period without a readable day of the last check would otherwise never
    // come due.
    const bool due = !lastCheck.isValid() || lastCheck.daysTo(today) >= days;
    if (due) {
        decision.checkNow = true;
        decision.store = true;
        decision.period = *period;
        decision.lastCheck = today;
    }
    return decision;
}

QString UpdateSchedule::host()
{
    return QStringLiteral(KV_UPDATE_HOST).trimmed();
}

bool UpdateSchedule::hostConfigured()
{
    return !host().isEmpty();
}

std::optional<int> UpdateSchedule::storedPeriod()
{
    TAVSettings *settings = TAVSettings::getInstance();
    settings->beginGroup(kGroup);
    const QVariant value = settings->value(kPeriodKey);
    settings->endGroup();

    if (!value.isValid())
        return std::nullopt;
    if (value.userType() != QMetaType::Int) {
        LOG_WARNING << "Setting" << kPeriodKey << "is not a number; taken as not chosen:" << value;
        return std::nullopt;
    }
    return value.toInt();
}

bool UpdateSchedule::checkAtStart(bool hostConfigured)
{
    TAVSettings *settings = TAVSettings::getInstance();
    const std::optional<int> period = storedPeriod();
    settings->beginGroup(kGroup);
    const QVariant date = settings->value(kDateKey);
    settings->endGroup();
    // Anything but a date reads as no date (a null one).
    const QDate lastCheck = date.userType() == QMetaType::QDate ? date.toDate() : QDate();

    const Decision decision =
        decide(period, lastCheck, Clock::getInstance()->currentDateTime().date(), hostConfigured);
    if (decision.store) {
        settings->beginGroup(kGroup);
        settings->setValue(kDateKey, decision.lastCheck);
        settings->setValue(kPeriodKey, decision.period);
        settings->endGroup();
        // On a drive whose settings folder does not exist yet this saves
        // nothing; the values stay in memory for the first real write.
        settings->write();
    }
    return decision.checkNow;
}

int UpdateSchedule::storeChosenPeriod(int period)
{
    TAVSettings *settings = TAVSettings::getInstance();
    settings->beginGroup(kGroup);
    settings->setValue(kPeriodKey, period);
    if (settings->value(kDateKey).toDate().isNull())
        settings->setValue(kDateKey, Clock::getInstance()->currentDateTime().date());
    settings->endGroup();
    return settings->write();
}
