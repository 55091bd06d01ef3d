// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/IpAddressEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionFrame>
#include <QValidator>
#include <climits>

namespace {

// Empty, or a number that fits a byte. Anything else never reaches the field, so
// a field cannot hold a value the address could not carry.
class ByteValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*pos*/) const override
    {
        if (input.size() > 3)
            return Invalid;
        for (const QChar c : input) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        }
        return input.isEmpty() || input.toInt() <= 255 ? Acceptable : Invalid;
    }
};

} // namespace

class IpAddressEdit::Field : public QLineEdit
{
public:
    Field(IpAddressEdit* owner, int index) : QLineEdit(owner), owner_(owner), index_(index)
    {
        setFrame(false);
        // The control paints one background for all four fields; a field's own
        // would cover the frame's inner shade in stripes.
        QPalette clear = palette();
        clear.setColor(QPalette::Base, Qt::transparent);
        setPalette(clear);
        setAlignment(Qt::AlignCenter);
        setValidator(new ByteValidator(this));
        setInputMethodHints(Qt::ImhDigitsOnly);
        // Tab steps over the whole address, not through its four fields.
        setFocusPolicy(index == 0 ? Qt::StrongFocus : Qt::ClickFocus);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->matches(QKeySequence::Paste) &&
            owner_->PasteAddress(QGuiApplication::clipboard()->text()))
            return;

        const bool atStart = !hasSelectedText() && cursorPosition() == 0;
        const bool atEnd = !hasSelectedText() && cursorPosition() == text().size();
        const bool plain = e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier;
        switch (e->key()) {
        case Qt::Key_Period:
            if (!text().isEmpty() && index_ < 3)
                owner_->MoveTo(index_ + 1, false);
            return;
        case Qt::Key_Backspace:
        case Qt::Key_Left:
            if (plain && atStart && index_ > 0) {
                owner_->MoveTo(index_ - 1, true);
                return;
            }
            break;
        case Qt::Key_Right:
            if (plain && atEnd && index_ < 3) {
                owner_->MoveTo(index_ + 1, false);
                return;
            }
            break;
        default:
            break;
        }

        const QString before = text();
        QLineEdit::keyPressEvent(e);
        if (text() != before && text().size() == 3 && cursorPosition() == 3 && index_ < 3)
            owner_->MoveTo(index_ + 1, false);
    }

    void contextMenuEvent(QContextMenuEvent* e) override
    {
        QMenu* menu = createStandardContextMenu();
        // The standard menu's Paste would put the whole address into this field,
        // where the validator refuses it.
        const QString pasteText = QLineEdit::tr("&Paste");
        for (QAction* action : menu->actions()) {
            if (action->text().section(QLatin1Char('\t'), 0, 0) != pasteText)
                continue;
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] {
                if (!owner_->PasteAddress(QGuiApplication::clipboard()->text()))
                    paste();
            });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(e->globalPos());
    }

    void focusInEvent(QFocusEvent* e) override
    {
        QLineEdit::focusInEvent(e);
        owner_->update(); // the frame shows focus for the whole control
    }

    void focusOutEvent(QFocusEvent* e) override
    {
        // "010" is accepted while typing; show it as the 10 it stands for.
        if (!text().isEmpty()) {
            const QString plainNumber = QString::number(text().toInt());
            if (plainNumber != text())
                setText(plainNumber);
        }
        QLineEdit::focusOutEvent(e);
        owner_->update();
    }

private:
    IpAddressEdit* owner_;
    int index_;
};

IpAddressEdit::IpAddressEdit(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    for (int i = 0; i < 4; ++i) {
        fields_[i] = new Field(this, i);
        fields_[i]->setObjectName(QStringLiteral("field%1").arg(i));
        row->addWidget(fields_[i]);
        connect(fields_[i], &QLineEdit::textEdited, this, &IpAddressEdit::fieldChanged);
    }
    setFocusProxy(fields_[0]);
    // An address reads left to right in every language.
    setLayoutDirection(Qt::LeftToRight);
    setCursor(Qt::IBeamCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    FitFields();
}

void IpAddressEdit::SetAddress(quint8 a, quint8 b, quint8 c, quint8 d)
{
    const quint8 values[] = {a, b, c, d};
    for (int i = 0; i < 4; ++i)
        fields_[i]->setText(QString::number(values[i]));
}

void IpAddressEdit::Clear()
{
    for (Field* f : fields_)
        f->clear();
}

Ras::IpAddr IpAddressEdit::Fields() const
{
    return {quint8(fields_[0]->text().toUInt()), quint8(fields_[1]->text().toUInt()),
            quint8(fields_[2]->text().toUInt()), quint8(fields_[3]->text().toUInt())};
}

bool IpAddressEdit::IsBlank() const
{
    for (const Field* f : fields_) {
        if (!f->text().isEmpty())
            return false;
    }
    return true;
}

QSize IpAddressEdit::sizeHint() const
{
    ensurePolished();
    const QSize inner = layout()->sizeHint();
    // As tall as a plain line edit in the same font, so it lines up with one.
    QStyleOptionFrame opt;
    opt.initFrom(this);
    opt.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, this);
    const int textHeight = qMax(fontMetrics().height(), 14) + 2;
    const int lineEditHeight =
        style()
            ->sizeFromContents(QStyle::CT_LineEdit, &opt, QSize(inner.width(), textHeight), this)
            .height();
    return {inner.width(), qMax(inner.height(), lineEditHeight)};
}

void IpAddressEdit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionFrame opt;
    opt.initFrom(this);
    opt.rect = rect();
    opt.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, this);
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    for (const Field* f : fields_) {
        if (f->hasFocus())
            opt.state |= QStyle::State_HasFocus;
    }
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opt, &painter, this);

    // The dots go by their ink, not their advance, so each sits midway between
    // two fields whatever the font.
    const QFontMetricsF fm(font());
    const QRectF ink = fm.tightBoundingRect(QStringLiteral("."));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    for (int i = 0; i < 3; ++i) {
        const QRect left = fields_[i]->geometry();
        const qreal middle = (left.right() + 1 + fields_[i + 1]->geometry().left()) / 2.0;
        painter.drawText(QRectF(middle - ink.center().x(), left.top(),
                                fm.horizontalAdvance(QLatin1Char('.')) + 1, left.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("."));
    }
}

void IpAddressEdit::mousePressEvent(QMouseEvent* event)
{
    // A click between the fields goes to the nearest one.
    int nearest = 0;
    int best = INT_MAX;
    for (int i = 0; i < 4; ++i) {
        const int distance =
            qAbs(fields_[i]->geometry().center().x() - event->position().toPoint().x());
        if (distance < best) {
            best = distance;
            nearest = i;
        }
    }
    MoveTo(nearest, true);
    event->accept();
}

void IpAddressEdit::changeEvent(QEvent* event)
{
    if ((event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) && fields_[3])
        FitFields();
    QWidget::changeEvent(event);
}

void IpAddressEdit::MoveTo(int index, bool toEnd)
{
    Field* f = fields_[index];
    f->setFocus(Qt::OtherFocusReason);
    if (toEnd)
        f->end(false);
    else
        f->selectAll();
}

bool IpAddressEdit::PasteAddress(const QString& text)
{
    static const QRegularExpression address(
        QStringLiteral("^([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})$"));
    const QRegularExpressionMatch m = address.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        values[i] = m.captured(i + 1).toInt();
        if (values[i] > 255)
            return false;
    }
    for (int i = 0; i < 4; ++i)
        fields_[i]->setText(QString::number(values[i]));
    MoveTo(3, true);
    emit fieldChanged();
    return true;
}

void IpAddressEdit::FitFields()
{
    QStyleOptionFrame opt;
    opt.initFrom(this);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, this);
    layout()->setContentsMargins(frame + 2, frame, frame + 2, frame);
    const QFontMetrics fm = fontMetrics();
    layout()->setSpacing(fm.horizontalAdvance(QLatin1Char('.')) + 4);
    // Room for three digits and the cursor beside them.
    const int width = fm.horizontalAdvance(QStringLiteral("000")) + fm.averageCharWidth() + 6;
    for (Field* f : fields_)
        f->setFixedWidth(width);
    updateGeometry();
}
