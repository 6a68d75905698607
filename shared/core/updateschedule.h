#ifndef UPDATESCHEDULE_H
#define UPDATESCHEDULE_H

#include <QDate>
#include <QString>

#include <optional>

// When to look for a new version of the program: at each start, the chosen
// period ("CheckUpdate": 1 weekly, 2 every two weeks, 3 monthly, 0 never) is
// compared with the day of the last check ("DateCheckUpdate"). A drive where
// no period was ever chosen checks at once and takes the weekly period.
class UpdateSchedule
{
public:
    enum Period { Never = 0, Weekly = 1, Fortnightly = 2, Monthly = 3 };

    struct Decision {
        bool checkNow = false; // send the update request
        bool store = false;    // store the two values below and save the store
        int period = Never;    // for "CheckUpdate"
        QDate lastCheck;       // for "DateCheckUpdate"
    };

    // Days between checks for a period, 0 for a period that never checks.
    static int periodDays(int period);

    // The decision for a stored period (nullopt: none stored yet), the
    // stored day of the last check and today. Without an update host there
    // is nothing to ask, so nothing is checked and nothing stored.
    static Decision decide(std::optional<int> period, const QDate &lastCheck, const QDate &today,
                           bool hostConfigured);

    // Whether this build names an update host (KV_UPDATE_HOST).
    static bool hostConfigured();
    // The update host of this build, trimmed; empty when it names none.
    static QString host();

    // The stored period of the settings store's group "Settings": nullopt
    // when none is stored, or when what is stored is not a number (logged).
    static std::optional<int> storedPeriod();

    // Start-up: reads the two keys, decides with the clock's today and
    // whether there is a host to ask (this build's, unless told), stores and
    // saves the decision when it says so, and returns whether the update
    // request is to be sent now.
    static bool checkAtStart(bool hostConfigured = UpdateSchedule::hostConfigured());

    // The update configuration: stores the chosen period and, when no day
    // of a last check is stored yet, today; saves the store (WriteResult).
    static int storeChosenPeriod(int period);
};

#endif // UPDATESCHEDULE_H
