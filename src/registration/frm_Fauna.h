#pragma once

#include <QWidget>

namespace lirvenda {

class Program;

// The main window: registration of one observation, browsing, and the hub of every other window.
class frm_Fauna : public QWidget {
    Q_OBJECT
public:
    enum class Splash { AsDesigned, Skip };

    explicit frm_Fauna(Program &program, QWidget *parent = nullptr);

    // The start-up sequence. Throws DatabaseError when a database file cannot be opened.
    void Form_Load(Splash splash = Splash::AsDesigned);

private:
    Program &m_program;
};

} // namespace lirvenda
