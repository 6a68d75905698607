#include "mainsettings.h"

#include "clock.h"
#include "tavlogging.h"
#include "tavsettings.h"
#include "updateschedule.h"

namespace {

const QString kGroup = QStringLiteral("Settings");

// Reads the keys of the group "Settings" and says which stored values were
// not taken.
class Reader
{
public:
    Reader()
        : m_settings(TAVSettings::getInstance())
    {
        m_settings->beginGroup(kGroup);
    }
    ~Reader() { m_settings->endGroup(); }
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    // The stored value when it is of the expected type; else the default,
    // with a warning unless the key is simply missing.
    QVariant typed(const QString &key, int type, const QVariant &defaultValue) const
    {
        const QVariant value = m_settings->value(key);
        if (!value.isValid())
            return defaultValue;
        if (value.userType() != type) {
            LOG_WARNING << "Setting" << key << "holds a" << value.typeName() << "instead of a"
                        << QMetaType::typeName(type) << "; the default" << defaultValue << "is used";
            return defaultValue;
        }
        return value;
    }

    // A number the options dialog could have stored: min to max. Anything
    // else is damage and gives the default, never a number of its own.
    int ranged(const QString &key, int defaultValue, int min, int max) const
    {
        const int value = typed(key, QMetaType::Int, defaultValue).toInt();
        if (value < min || value > max) {
            LOG_WARNING << "Setting" << key << "is" << value << ", outside" << min << "to" << max
                        << "; the default" << defaultValue << "is used";
            return defaultValue;
        }
        return value;
    }

private:
    TAVSettings *m_settings;
};

// Sets keys of the group "Settings" and saves the store.
class Writer
{
public:
    Writer()
        : m_settings(TAVSettings::getInstance())
    {
        m_settings->beginGroup(kGroup);
    }
    ~Writer() { m_settings->endGroup(); }
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    TAVSettings *operator->() const { return m_settings; }

private:
    TAVSettings *m_settings;
};

QDateTime now()
{
    return Clock::getInstance()->currentDateTime();
}

} // namespace

MainSettings::MainSettings()
    : size(kDefaultWidth, kDefaultHeight)
    , pos(0, 0)
    , encryptionMethod(kDefaultCipher)
    , language(QStringLiteral("en_US"))
    , doNotShowHowTo(false)
    , minuteOfTimeOut(kDefaultTimeOutMinutes)
    , lastChangedPasswordDate(now())
    , dayOfChangePasswordRemind(kDefaultRemindDays)
    , backupLocation(0)
    , numberOfBackups(kDefaultNumberOfBackups)
    , retentionBackup(false)
    , mountType(0)
{
}

int MainSettings::read(const QString &settingsFile)
{
    TAVSettings *settings = TAVSettings::getInstance();
    settings->setFileName(settingsFile);
    const int result = settings->read();
    readValues();
    return result;
}

void MainSettings::readValues()
{
    const MainSettings defaults;
    const Reader in;

    size = in.typed(QStringLiteral("size"), QMetaType::QSize, defaults.size).toSize();
    if (size.isEmpty()) {
        LOG_WARNING << "Setting size is" << size << "; the default" << defaults.size << "is used";
        size = defaults.size;
    }
    pos = in.typed(QStringLiteral("pos"), QMetaType::QPoint, defaults.pos).toPoint();
    geometry = in.typed(QStringLiteral("MainWindow/geometry"), QMetaType::QByteArray, QByteArray()).toByteArray();
    windowState =
        in.typed(QStringLiteral("MainWindow/windowState"), QMetaType::QByteArray, QByteArray()).toByteArray();
    splitterSizes = in.typed(QStringLiteral("splitterSizes"), QMetaType::QByteArray, QByteArray()).toByteArray();
    compSplitterSizes =
        in.typed(QStringLiteral("comp_splitterSizes"), QMetaType::QByteArray, QByteArray()).toByteArray();
    treeHeader = in.typed(QStringLiteral("treeHeader"), QMetaType::QByteArray, QByteArray()).toByteArray();
    compTreeHeader = in.typed(QStringLiteral("comp_treeHeader"), QMetaType::QByteArray, QByteArray()).toByteArray();

    encryptionMethod = in.ranged(QStringLiteral("encryptionMethod"), kDefaultCipher, 1, 4);
    language = in.typed(QStringLiteral("Language"), QMetaType::QString, defaults.language).toString();
    passwordHint = in.typed(QStringLiteral("passwordhint"), QMetaType::QString, QString()).toString();
    doNotShowHowTo = in.typed(QStringLiteral("doNotShowHowTo"), QMetaType::Bool, false).toBool();
    minuteOfTimeOut = in.ranged(QStringLiteral("MinuteOfTimeOut"), kDefaultTimeOutMinutes, 0, kMaxTimeOutMinutes);

    lastChangedPasswordDate =
        in.typed(QStringLiteral("LastChangedPasswordDate"), QMetaType::QDateTime, defaults.lastChangedPasswordDate)
            .toDateTime();
    if (!lastChangedPasswordDate.isValid()) {
        LOG_WARNING << "Setting LastChangedPasswordDate is not a valid time; now is used";
        lastChangedPasswordDate = defaults.lastChangedPasswordDate;
    }

    dayOfChangePasswordRemind =
        in.ranged(QStringLiteral("DayOfChangePasswordRemind"), kDefaultRemindDays, 0, kMaxRemindDays);
    backupLocation = in.ranged(QStringLiteral("BackupLocation"), 0, 0, 1);
    numberOfBackups =
        in.ranged(QStringLiteral("NumberOfBackups"), kDefaultNumberOfBackups, kMinNumberOfBackups, kMaxNumberOfBackups);
    retentionBackup = in.typed(QStringLiteral("RetentionBackup"), QMetaType::Bool, false).toBool();
    mountType = in.ranged(QStringLiteral("MountType"), 0, 0, 1);
}

int MainSettings::write()
{
    return TAVSettings::getInstance()->write();
}

int MainSettings::writeLayout(const QString &settingsFile)
{
    TAVSettings::getInstance()->setFileName(settingsFile);
    {
        const Writer out;
        out->setValue(QStringLiteral("size"), size);
        out->setValue(QStringLiteral("pos"), pos);
        out->setValue(QStringLiteral("MainWindow/geometry"), geometry);
        out->setValue(QStringLiteral("MainWindow/windowState"), windowState);
        out->setValue(QStringLiteral("splitterSizes"), splitterSizes);
        out->setValue(QStringLiteral("comp_splitterSizes"), compSplitterSizes);
        out->setValue(QStringLiteral("treeHeader"), treeHeader);
        out->setValue(QStringLiteral("comp_treeHeader"), compTreeHeader);
    }
    // A drive whose user never chose how often to look for updates gets the
    // weekly check from today; a chosen "Never" (0) stays.
    if (!UpdateSchedule::storedPeriod()) {
        const Writer out;
        out->setValue(QStringLiteral("DateCheckUpdate"), now().date());
        out->setValue(QStringLiteral("CheckUpdate"), int(UpdateSchedule::Weekly));
    }
    return write();
}

int MainSettings::storeLanguage()
{
    {
        const Writer out;
        if (out->value(QStringLiteral("Language")) == QVariant(language))
            return TAVSettings::WriteOk;
        out->setValue(QStringLiteral("Language"), language);
    }
    return write();
}

int MainSettings::storePasswordHint()
{
    {
        const Writer out;
        out->setValue(QStringLiteral("passwordhint"), passwordHint);
    }
    return write();
}

int MainSettings::storeNewPasswordDefaults()
{
    lastChangedPasswordDate = now();
    dayOfChangePasswordRemind = kDefaultRemindDays;
    minuteOfTimeOut = kDefaultTimeOutMinutes;
    {
        const Writer out;
        out->setValue(QStringLiteral("LastChangedPasswordDate"), lastChangedPasswordDate);
        out->setValue(QStringLiteral("DayOfChangePasswordRemind"), dayOfChangePasswordRemind);
        out->setValue(QStringLiteral("MinuteOfTimeOut"), minuteOfTimeOut);
    }
    return write();
}

int MainSettings::storePasswordChanged()
{
    lastChangedPasswordDate = now();
    {
        const Writer out;
        out->setValue(QStringLiteral("LastChangedPasswordDate"), lastChangedPasswordDate);
    }
    return write();
}
