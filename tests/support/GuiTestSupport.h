#pragma once
// Helpers for window tests: scripted answers to message boxes, file dialogs
// and modal dialogs, so that no test ever waits on a modal.

#include <QDialog>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <fstream>
#include <functional>
#include <string>

#include "ui/FileDialogs.h"
#include "ui/ModalRunner.h"
#include "ui/MsgBox.h"

// Records every message and answers from a queue; an unexpected question is
// answered No (or Cancel) and noted.
class ScriptedMessages {
public:
    ScriptedMessages() {
        SetMsgBoxAnswerer([this](const ShownMessage& m) {
            shown.append(m);
            if (m.kind == MsgYesNo || m.kind == MsgRetryCancel) {
                if (answers.empty()) {
                    unexpected.append(m.text);
                    return m.kind == MsgYesNo ? int(MsgNo) : int(MsgCancel);
                }
                const int a = answers.front();
                answers.pop_front();
                return a;
            }
            return int(MsgOk);
        });
    }
    ~ScriptedMessages() { SetMsgBoxAnswerer({}); }
    QStringList Texts() const {
        QStringList t;
        for (const auto& m : shown) t << m.text;
        return t;
    }
    void Clear() {
        shown.clear();
        unexpected.clear();
        answers.clear();
    }

    QList<ShownMessage> shown;
    std::deque<int> answers;
    QStringList unexpected;
};

// Answers the file dialogs with the next queued path ("" = cancel).
class ScriptedFiles {
public:
    ScriptedFiles() {
        SetFileChooser([this](bool save) {
            asked.append(save ? "save" : "open");
            if (paths.empty()) return QString();
            const QString p = paths.front();
            paths.pop_front();
            return p;
        });
    }
    ~ScriptedFiles() { SetFileChooser({}); }
    std::deque<QString> paths;
    QStringList asked;
};

// Runs modal dialogs through a test's function instead of exec().
class ScriptedDialogs {
public:
    explicit ScriptedDialogs(std::function<int(QDialog&)> driver = {}) {
        SetModalDriver([this](QDialog& d) {
            seen.append(d.objectName());
            if (this->driver) return this->driver(d);
            d.show();
            d.reject();
            return int(QDialog::Rejected);
        });
        this->driver = std::move(driver);
    }
    ~ScriptedDialogs() { SetModalDriver({}); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
    std::function<int(QDialog&)> driver;
    QStringList seen;
};

inline void WriteText(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}
