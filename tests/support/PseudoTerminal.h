#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace lirvenda::test {

// A pair of connected pseudo-terminals made by socat: the program opens port(), the test plays
// the receiver by writing to the other end.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
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
    // The receiver goes away: both ends close and the port's name is removed.
    void unplug()
    {
        m_receiver.close();
        m_socat.terminate();
        m_socat.waitForFinished();
    }

private:
    QString receiverEnd() const { return m_dir.filePath(QStringLiteral("receiver")); }

    QTemporaryDir m_dir;
    QProcess m_socat;
    QFile m_receiver;
};

} // namespace lirvenda::test
