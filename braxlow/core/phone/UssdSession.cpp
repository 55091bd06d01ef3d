// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/phone/UssdSession.h"

#include "core/phone/AtAnswer.h"
#include "core/phone/AtSession.h"
#include "core/phone/Ussd.h"
#include "core/settings/StringIds.h"

UssdSession::~UssdSession()
{
    Cancel();
}

UssdSession::Step UssdSession::Finish(Step step)
{
    if (step.kind != Step::Kind::Menu && open_) {
        at_.ClosePhoneLink();
        open_ = false;
    }
    return step;
}

UssdSession::Step UssdSession::Send(const QString& text)
{
    at_.ResetCancel();
    Step step;
    // Checked before anything is sent: the text goes inside a quoted command.
    if (!(open_ ? Ussd::ValidReply(text) : Ussd::ValidCode(text))) {
        step.messageId = Str::BalanceNotSupported;
        return Finish(step);
    }
    if (!open_) {
        if (!at_.OpenPhoneLink(true)) {
            step.messageId = Str::StatusPortNotOpened;
            return step;
        }
        open_ = true;
        // A phone that sleeps wakes on the first line; the second is answered.
        if (at_.SendAtCommand(QStringLiteral("AT\r")).isEmpty() &&
            at_.SendAtCommand(QStringLiteral("AT\r")).isEmpty()) {
            step.messageId = Str::StatusPhoneNotPrepared;
            return Finish(step);
        }
    }
    QString received = at_.SendAtCommand(Ussd::RequestLine(text));
    if (!Ussd::Parse(received)) {
        if (!AtAnswer::Accepted(received)) {
            const int reason = received.isEmpty() ? 0 : at_.ExplainFailure(received);
            step.messageId = reason != 0 ? reason : received.isEmpty() ? Str::BalanceNoAnswer : Str::BalanceNotSupported;
            return Finish(step);
        }
        // The network's answer comes after the phone's OK, often seconds later.
        received = at_.ReadUntil([](const QString& r) { return Ussd::Parse(r).has_value(); }, 30);
    }
    const std::optional<Ussd::Answer> answer = Ussd::Parse(received);
    if (!answer) {
        at_.SendAtCommand(Ussd::CancelLine());
        step.messageId = Str::BalanceNoAnswer;
        return Finish(step);
    }
    step.text = answer->text;
    switch (answer->status) {
    case Ussd::kDone:
        step.kind = Step::Kind::Answer;
        break;
    case Ussd::kReplyWanted:
        step.kind = Step::Kind::Menu;
        break;
    case Ussd::kEndedByNetwork:
    case Ussd::kOtherClient:
        step.messageId = Str::BalanceEnded;
        break;
    case Ussd::kTimedOut:
        step.messageId = Str::BalanceNoAnswer;
        break;
    default:
        step.messageId = Str::BalanceNotSupported;
        break;
    }
    return Finish(step);
}

void UssdSession::Cancel()
{
    // The network is told even when the user cut the wait for it short.
    at_.ResetCancel();
    if (!open_)
        return;
    at_.SendAtCommand(Ussd::CancelLine());
    at_.ClosePhoneLink();
    open_ = false;
}
