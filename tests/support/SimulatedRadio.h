#pragma once
// The radio simulator as a child process on a pseudo-terminal, with its frame
// log, for end-to-end transfer tests.

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <QTest>

class SimulatedRadio {
public:
    explicit SimulatedRadio(const QStringList& options) {
        process_.setProgram(QCoreApplication::applicationDirPath() + "/rk40sim");
        process_.setArguments(QStringList{"--log"} + options);
        process_.start();
        if (!process_.waitForStarted(5000) || !process_.waitForReadyRead(5000)) return;
        const QString line = QString::fromLatin1(process_.readLine()).trimmed();
        path_ = line.section(' ', -1);
    }
    ~SimulatedRadio() {
        process_.terminate();
        process_.waitForFinished(3000);
    }
    const QString& Path() const { return path_; }

    // Frames the program sent ("<-") as hex texts, in order.
    QStringList Received() {
        log_ += QString::fromLatin1(process_.readAllStandardError());
        QStringList frames;
        for (const QString& line : log_.split('\n', Qt::SkipEmptyParts))
            if (line.startsWith("<- ")) frames << line.mid(3);
        return frames;
    }
    bool Running() const { return process_.state() == QProcess::Running; }

private:
    QProcess process_;
    QString path_;
    QString log_;
};
