// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of bench_startup: the least a Qt program with one dialog (a
// line of text and a button) does before its window is on screen.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace {

// Says "shown" once the dialog has been painted for the first time.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !told_) {
            told_ = true;
            QTimer::singleShot(0, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool told_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // What any dialog has: a line of text and a button.
    QDialog dialog;
    dialog.resize(408, 240);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Ready")));
    layout->addWidget(new QDialogButtonBox(QDialogButtonBox::Close));
    FirstPaint shown;
    dialog.installEventFilter(&shown);
    dialog.exec();
    return 0;
}
