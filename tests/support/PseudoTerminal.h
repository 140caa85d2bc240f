#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace lirvenda::test {

// A pair of connected pseudo-terminals made by socat: the program opens port(), the test plays
// the receiver by writing to the other end.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        QObject::connect(&m_repeat, &QTimer::timeout, [this] { send(m_sentence); });
        m_socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + port(),
                                                QStringLiteral("pty,raw,echo=0,link=") + receiverEnd()});
        for (int waited = 0; waited < 10000 && !(QFileInfo::exists(port()) && QFileInfo::exists(receiverEnd()));
             waited += 20)
            QTest::qWait(20);
        m_receiver.setFileName(receiverEnd());
        if (!m_receiver.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            qFatal("socat gave no pseudo-terminal: %s", qPrintable(m_socat.errorString()));
    }
    ~PseudoTerminal() { unplug(); }

    QString port() const { return m_dir.filePath(QStringLiteral("gps")); }
    void send(const QByteArray &sentences) { m_receiver.write(sentences); }
    // Sends the sentence every 200 ms, as a receiver with a fix does, until it falls silent.
    void keepSending(const QByteArray &sentence)
    {
        m_sentence = sentence;
        m_repeat.start(200);
    }
    void fallSilent() { m_repeat.stop(); }
    // The receiver goes away: both ends close and the port's name is removed.
    void unplug()
    {
        fallSilent();
        m_receiver.close();
        m_socat.terminate();
        m_socat.waitForFinished();
    }

private:
    QString receiverEnd() const { return m_dir.filePath(QStringLiteral("receiver")); }

    QTemporaryDir m_dir;
    QProcess m_socat;
    QFile m_receiver;
    QTimer m_repeat;
    QByteArray m_sentence;
};

} // namespace lirvenda::test
