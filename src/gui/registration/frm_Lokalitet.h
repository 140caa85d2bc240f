#pragma once

#include "core/registration/Places.h"

#include <QDialog>

#include <optional>

class QModelIndex;

namespace lirvenda {

class KeyedListModel;
class Program;

// The places of earlier observations; a click takes one over for the registration.
class frm_Lokalitet : public QDialog {
    Q_OBJECT
public:
    explicit frm_Lokalitet(Program &program, QWidget *parent = nullptr);

    // The clicked place; none until an entry is clicked.
    std::optional<UsedPlace> pickedPlace() const { return m_picked; }

private:
    void Form_Load();
    void List1_Click(const QModelIndex &entry);

    Program &m_program;
    QList<UsedPlace> m_places; // keyed in List1 by their index here
    std::optional<UsedPlace> m_picked;
    KeyedListModel *m_lines;
};

} // namespace lirvenda
