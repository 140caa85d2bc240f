#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace lirvenda {

// The timed message: confirms an action with a short text that goes away after a second.
class frm_Melding : public QDialog {
    Q_OBJECT
public:
    static constexpr int CloseMilliseconds = 1000;
    static constexpr int CountdownMilliseconds = 500;

    explicit frm_Melding(QWidget *parent = nullptr);

    void setMessage(const QString &text);

protected:
    // Every showing starts over, as a freshly loaded window would.
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void Form_Load();
    void Command1_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    QGroupBox *Frame1;     // "User message"
    QLabel *Label1;        // the message text
    QPushButton *Command1; // "Close"
    QTimer *Timer1;        // closes the window
    QTimer *Timer2;        // counts down the caption
    int m_countdown = 1;
};

// Shows the text in the timed message window with a beep; returns when the window has closed.
void showTimedMessage(const QString &text);

} // namespace lirvenda
