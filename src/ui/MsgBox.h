#pragma once
// Every message of the program goes through ShowMsgBox. Tests replace the
// answerer so that no box ever blocks, and see each message on the way.

#include <QString>
#include <functional>
#include <string>

enum MsgKind : int {
    MsgInfo = 1,         // OK; returns 1
    MsgYesNo = 2,        // returns MsgYes or MsgNo
    MsgRetryCancel = 22, // returns MsgRetry or MsgCancel
    MsgError = -1,       // the error box of a failed command; returns 1
};
enum MsgResult : int { MsgOk = 1, MsgCancel = 2, MsgRetry = 4, MsgYes = 6, MsgNo = 7 };

struct ShownMessage {
    QString title;
    QString text;
    int kind;
};

int ShowMsgBox(const std::string& title, const std::string& text, int kind);
// The program's error box: the error's text, with the application title.
void ShowErrorBox(const std::string& text);

using MsgBoxAnswerer = std::function<int(const ShownMessage&)>;
// Replaces the real boxes; an empty function restores them.
void SetMsgBoxAnswerer(MsgBoxAnswerer answerer);
