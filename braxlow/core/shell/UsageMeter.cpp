// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shell/UsageMeter.h"

#include "core/settings/LanguageStrings.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringIds.h"

#include <QLocale>
#include <QTranslator>

#include <QVariant>

#include <algorithm>
#include <chrono>

namespace {

constexpr quint64 kMegabyte = 1024 * 1024;
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

quint64 ReadCount(const SettingsStore& store, const QString& key, const QString& name)
{
    bool ok = false;
    const quint64 value = store.ReadString(key, name).value_or(QString()).toULongLong(&ok);
    return ok ? value : 0;
}

QVariant Dword(int value)
{
    return QVariant::fromValue<quint32>(quint32(value));
}

} // namespace

UsageMeter::UsageMeter(SettingsStore& store, std::function<void()> saveFailed)
    : store_(store), saveFailed_(std::move(saveFailed))
{
    writer_ = std::thread(&UsageMeter::WriteLoop, this);
}

UsageMeter::~UsageMeter()
{
    {
        std::lock_guard<std::mutex> lock(writeMutex_);
        stop_ = true;
    }
    writeWake_.notify_all();
    writer_.join();
}

void UsageMeter::End()
{
    if (active_)
        Save(true);
    active_ = false;
}

void UsageMeter::Settle()
{
    std::unique_lock<std::mutex> lock(writeMutex_);
    urgent_ = due_.has_value();
    writeWake_.notify_all();
    writeWake_.wait(lock, [this] { return !due_ && !writing_; });
}

void UsageMeter::WriteLoop()
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point lastWrite = Clock::now() - std::chrono::milliseconds(kSaveIntervalMs);
    std::unique_lock<std::mutex> lock(writeMutex_);
    for (;;) {
        writeWake_.wait(lock, [this] { return stop_ || due_.has_value(); });
        if (!due_)
            return;
        // Readings that come meanwhile replace the month waiting here.
        writeWake_.wait_until(lock, lastWrite + std::chrono::milliseconds(kSaveIntervalMs),
                              [this] { return stop_ || urgent_; });
        const Month month = *std::exchange(due_, std::nullopt);
        const SessionWriter session = session_;
        urgent_ = false;
        writing_ = true;
        lock.unlock();
        const bool saved = month.entryId <= 0 ||
                           store_.WriteValues(AllowanceStore::KeyOf(month.entryId),
                                              {{QStringLiteral("PeriodStart"), month.period.toString(kDateFormat)},
                                               {QStringLiteral("Received"), QString::number(month.received)},
                                               {QStringLiteral("Sent"), QString::number(month.sent)},
                                               {QStringLiteral("Warned"), Dword(month.warned)}});
        if (session)
            session(month.sessionReceived, month.sessionSent);
        lock.lock();
        writing_ = false;
        lastWrite = Clock::now();
        const bool tell = !saved && !failureTold_;
        failureTold_ = failureTold_ || !saved;
        writeWake_.notify_all();
        if (tell && saveFailed_) {
            lock.unlock();
            saveFailed_();
            lock.lock();
        }
    }
}

void UsageMeter::Begin(int entryId, const QDate& today, SessionWriter session)
{
    // The month of the last connection (maybe this entry's) is on disk first.
    Settle();
    {
        std::lock_guard<std::mutex> lock(writeMutex_);
        session_ = std::move(session);
    }
    active_ = true;
    entryId_ = entryId;
    lastReceived_ = lastSent_ = 0;
    sessionReceived_ = sessionSent_ = 0;
    Load(today);
}

void UsageMeter::Load(const QDate& today)
{
    monthReceived_ = monthSent_ = 0;
    warned_ = 0;
    cap_ = DataCap();
    period_ = AllowanceStore::PeriodStart(today, 1);
    if (entryId_ <= 0)
        return;
    const QString key = AllowanceStore::KeyOf(entryId_);
    cap_ = AllowanceStore::LoadCap(store_, entryId_);
    const QDate stored =
        QDate::fromString(store_.ReadString(key, QStringLiteral("PeriodStart")).value_or(QString()), kDateFormat);
    monthReceived_ = ReadCount(store_, key, QStringLiteral("Received"));
    monthSent_ = ReadCount(store_, key, QStringLiteral("Sent"));
    warned_ = std::clamp(store_.ReadDword(key, QStringLiteral("Warned")).value_or(0), 0, 100);
    period_ = AllowanceStore::PeriodStart(today, cap_.startDay);
    // A month already counted goes on; one that has ended starts again. A date
    // from the future (the clock was put back, or the file was edited) keeps
    // its figures rather than lose them.
    if (stored.isValid() && stored < period_) {
        monthReceived_ = monthSent_ = 0;
        warned_ = 0;
    }
    // A larger allowance than the one warned about may warn again.
    const int percent = Percent();
    if (warned_ > percent)
        warned_ = percent >= 100 ? 100 : percent >= 80 ? 80 : 0;
    Save();
}

bool UsageMeter::RollOver(const QDate& today)
{
    const QDate period = AllowanceStore::PeriodStart(today, cap_.startDay);
    if (period <= period_)
        return false;
    period_ = period;
    monthReceived_ = monthSent_ = 0;
    warned_ = 0;
    return true;
}

int UsageMeter::Sample(quint64 received, quint64 sent, const QDate& today)
{
    if (!active_)
        return 0;
    // Counters that went back belong to a new interface, which counts from 0.
    const quint64 inbound = received >= lastReceived_ ? received - lastReceived_ : received;
    const quint64 outbound = sent >= lastSent_ ? sent - lastSent_ : sent;
    lastReceived_ = received;
    lastSent_ = sent;
    sessionReceived_ += inbound;
    sessionSent_ += outbound;
    bool changed = RollOver(today);
    if (inbound || outbound) {
        monthReceived_ += inbound;
        monthSent_ += outbound;
        changed = true;
    }
    int crossed = 0;
    const int percent = Percent();
    const int level = percent >= 100 ? 100 : percent >= 80 ? 80 : 0;
    if (level > warned_) {
        warned_ = crossed = level;
        changed = true;
    }
    if (changed)
        Save(crossed != 0); // a warning given is written at once, never given twice
    return crossed;
}

int UsageMeter::Percent() const
{
    if (cap_.megabytes <= 0)
        return 0;
    const quint64 allowance = quint64(cap_.megabytes) * kMegabyte;
    return int(std::min<quint64>(MonthTotal() / (allowance / 100), 999));
}

void UsageMeter::Save(bool now)
{
    {
        std::lock_guard<std::mutex> lock(writeMutex_);
        if (entryId_ <= 0 && !session_)
            return;
        due_ = Month{entryId_, period_, monthReceived_, monthSent_, warned_, sessionReceived_, sessionSent_};
        urgent_ = urgent_ || now;
    }
    writeWake_.notify_all();
}

namespace UsageFormat {

ByteUnits ByteUnits::Of(const QTranslator* module)
{
    ByteUnits units;
    const QStringList names = LoadLanguageString(module, Str::ByteUnits).split(QLatin1Char('|'));
    // A table without all five keeps the English ones rather than a gap.
    if (names.size() == 5 && std::none_of(names.cbegin(), names.cend(), [](const QString& n) {
            return n.trimmed().isEmpty();
        })) {
        for (int i = 0; i < 5; ++i)
            units.names[i] = names.at(i).trimmed();
    }
    if (module != nullptr && ModuleLocale(module).decimalPoint() == QLatin1String(","))
        units.decimalPoint = QLatin1Char(',');
    return units;
}

QString Bytes(quint64 bytes, const ByteUnits& units)
{
    if (bytes < 1024)
        return QStringLiteral("%1 %2").arg(bytes).arg(units.names[0]);
    double value = double(bytes) / 1024.0;
    int unit = 1;
    while (value >= 1024.0 && unit < 4) {
        value /= 1024.0;
        ++unit;
    }
    const int decimals = value < 10.0 && unit >= 3 ? 2 : value < 100.0 ? 1 : 0;
    QString number = QString::number(value, 'f', decimals);
    number.replace(QLatin1Char('.'), units.decimalPoint);
    return number + QLatin1Char(' ') + units.names[unit];
}

QString Duration(qint64 seconds)
{
    seconds = std::max<qint64>(seconds, 0);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace UsageFormat
