// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/CHistoryDlg.h"

#include "core/entries/DataStore.h"
#include "core/settings/AppSettings.h"
#include "core/settings/LanguageStrings.h"
#include "core/settings/Prompter.h"
#include "core/settings/StringIds.h"
#include "core/shell/BraxlowApp.h"
#include "core/shell/Diagnostics.h"
#include "core/shell/UsageMeter.h"
#include "gui/widgets/ScreenFit.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;

// A round top for the scale: 1, 2 or 5 times a power of ten.
double NiceTop(double value)
{
    if (value <= 0)
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {1.0, 2.0, 5.0, 10.0})
        if (value <= step * power)
            return step * power;
    return 10 * power;
}

} // namespace

HistoryChart::HistoryChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chart"));
    setMinimumHeight(150);
}

void HistoryChart::SetMonth(const HistoryView::Month& month, const QTranslator* module)
{
    month_ = month;
    setLocale(ModuleLocale(module));
    title_ = LoadLanguageString(module, Str::HistoryChartTitle)
                 .arg(ModuleLocale(module).toString(month.start, QLocale::ShortFormat));
    allowance_ = month.allowanceMegabytes > 0
                     ? LoadLanguageString(module, Str::HistoryChartAllowance).arg(month.allowanceMegabytes) +
                           QStringLiteral(" / %1").arg(month.days.size())
                     : QString();
    update();
}

void HistoryChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.base());
    const QFontMetrics fm(font());
    const int line = fm.height();
    p.setPen(pal.text().color());
    p.drawText(QRect(8, 4, width() - 16, line), Qt::AlignLeft | Qt::AlignVCenter, title_);
    if (month_.days.isEmpty())
        return;
    double top = 0;
    for (const quint64 day : month_.days)
        top = std::max(top, double(day) / kMegabyte);
    const double share = month_.allowanceMegabytes > 0 ? double(month_.allowanceMegabytes) / month_.days.size() : 0;
    top = NiceTop(std::max(top, share) * 1.05);
    const QString topLabel = locale().toString(top, 'g', 3) + QStringLiteral(" MB");
    const int left = fm.horizontalAdvance(topLabel) + 12;
    const QRect plot(left, 8 + line, width() - left - 8, height() - 16 - 2 * line);
    if (plot.width() < 20 || plot.height() < 20)
        return;
    // The scale: zero and the top, with a faint line between.
    p.setPen(pal.mid().color());
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.topLeft(), plot.topRight());
    p.setPen(pal.text().color());
    p.drawText(QRect(0, plot.top() - line / 2, left - 6, line), Qt::AlignRight | Qt::AlignVCenter, topLabel);
    p.drawText(QRect(0, plot.bottom() - line / 2, left - 6, line), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    const int count = int(month_.days.size());
    const double slot = double(plot.width()) / count;
    const QColor bar = pal.highlight().color();
    const QDate today = QDate::currentDate();
    for (int i = 0; i < count; ++i) {
        const double value = double(month_.days.at(i)) / kMegabyte;
        const double h = value / top * plot.height();
        const QRectF r(plot.left() + i * slot + slot * 0.15, plot.bottom() - h, slot * 0.7, h);
        if (value > 0)
            p.fillRect(r, bar);
        const QDate day = month_.start.addDays(i);
        // Every fifth day's number, and today's, under its bar.
        if (day.day() == 1 || day.day() % 5 == 0 || day == today) {
            QFont f = font();
            f.setBold(day == today);
            p.setFont(f);
            p.drawText(QRectF(plot.left() + i * slot - slot, plot.bottom() + 2, slot * 3, line), Qt::AlignHCenter,
                       QString::number(day.day()));
            p.setFont(font());
        }
    }
    if (share > 0) {
        const double y = plot.bottom() - share / top * plot.height();
        QPen pen(QColor(200, 60, 40), 1.5, Qt::DashLine);
        p.setPen(pen);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.drawText(QRectF(plot.left() + 4, y - line - 2, plot.width() - 8, line), Qt::AlignRight | Qt::AlignBottom,
                   allowance_);
    }
}

CHistoryDlg::CHistoryDlg(BraxlowApp& app, QWidget* parent)
    : QDialog(parent), app_(app), history_(app.Data().UserDatabasePath())
{
    setObjectName(QStringLiteral("CHistoryDlg"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("entryLabel"));
    entries_ = new QComboBox(this);
    entries_->setObjectName(QStringLiteral("entries"));
    label->setBuddy(entries_);
    top->addWidget(label);
    top->addWidget(entries_, 1);
    layout->addLayout(top);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("list"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    // Column widths from the first rows: the newest are those looked at.
    list_->header()->setResizeContentsPrecision(100);
    layout->addWidget(list_, 1);
    chart_ = new HistoryChart(this);
    layout->addWidget(chart_);
    auto* buttons = new QDialogButtonBox(this);
    auto* copy = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copy"));
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("close"));
    layout->addWidget(buttons);
    connect(copy, &QPushButton::clicked, this, &CHistoryDlg::OnCopyDiagnostics);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(entries_, &QComboBox::currentIndexChanged, this, &CHistoryDlg::OnEntryChanged);
    label->setText(Text(Str::HistoryEntryLabel));
    copy->setText(Text(Str::CopyDiagnostics));
    close->setText(Text(Str::Close));
    close->setIcon(QIcon());
    setWindowTitle(Text(Str::HistoryTitle));
    list_->setHeaderLabels({Text(Str::HistoryColumnStarted), Text(Str::HistoryColumnEntry),
                            Text(Str::HistoryColumnDuration), Text(Str::HistoryColumnReceived),
                            Text(Str::HistoryColumnSent), Text(Str::HistoryColumnOutcome)});
    resize(720, 520);
    OnInitDialog();
}

QString CHistoryDlg::Text(int id) const
{
    return LoadLanguageString(app_.Settings().LanguageModule(), id);
}

void CHistoryDlg::OnInitDialog()
{
    const QSignalBlocker blocker(entries_);
    entries_->addItem(Text(Str::HistoryAllEntries));
    entryIds_ = {0};
    const int current = app_.Settings().LoadConnectInfo().CID;
    for (const ConnectionEntry& entry : app_.Data().LoadEntries()) {
        entries_->addItem(entry.ConnectName);
        entryIds_ << entry.ID;
    }
    // The month that matters is the current entry's.
    entries_->setCurrentIndex(std::max(0, int(entryIds_.indexOf(current))));
    OnEntryChanged();
    FitToScreen(this);
}

void CHistoryDlg::OnEntryChanged()
{
    const int entryId = entryIds_.value(entries_->currentIndex(), 0);
    const QTranslator* module = app_.Settings().LanguageModule();
    const UsageFormat::ByteUnits units = UsageFormat::ByteUnits::Of(module);
    const QLocale locale = ModuleLocale(module);
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    const QList<HistoryStore::Record> records = history_.Load(entryId);
    rows.reserve(records.size());
    for (const HistoryStore::Record& r : records) {
        auto* item = new QTreeWidgetItem(
            {locale.toString(r.started.toLocalTime(), QLocale::ShortFormat), r.connectName,
             UsageFormat::Duration(r.seconds), UsageFormat::Bytes(r.received, units), UsageFormat::Bytes(r.sent, units),
             HistoryView::OutcomeText(r, module)});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
        if (!r.errorText.isEmpty())
            item->setToolTip(5, r.errorText);
        rows << item;
    }
    if (rows.isEmpty()) {
        auto* none = new QTreeWidgetItem({Text(Str::HistoryEmpty)});
        none->setFlags(Qt::NoItemFlags);
        rows << none;
    }
    list_->addTopLevelItems(rows);
    for (int column = 0; column < list_->columnCount() - 1; ++column)
        list_->resizeColumnToContents(column);
    chart_->SetMonth(HistoryView::MonthOf(records, app_.Settings().Store(), entryId, QDate::currentDate()), module);
}

void CHistoryDlg::OnCopyDiagnostics()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SecretMask mask;
    mask.AddStored(app_.Data());
    const QString report = Diagnostics::Report(app_.Settings(), app_.Data(), history_, mask);
    QApplication::restoreOverrideCursor();
    QApplication::clipboard()->setText(report);
    app_.UserPrompter().Show(Text(Str::DiagnosticsCopied), windowTitle(), Prompter::Buttons::Ok,
                             Prompter::Icon::Information);
}

int CHistoryDlg::Rows() const
{
    return list_->topLevelItemCount();
}
