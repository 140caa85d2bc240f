#pragma once

#include "core/registration/Coordinates.h"

#include <QDialog>

class QModelIndex;

namespace lirvenda {

class KeyedListModel;
class Program;

// Offers the municipalities whose boxes hold a position; a click picks one.
class frm_Fylke_Kommune : public QDialog {
    Q_OBJECT
public:
    explicit frm_Fylke_Kommune(const QList<MunicipalityCandidate> &candidates, QWidget *parent = nullptr);

    // The picked municipality's code; empty until an entry is clicked.
    QString pickedCode() const { return m_pickedCode; }

private:
    void List1_Click(const QModelIndex &entry);

    QString m_pickedCode;
    KeyedListModel *m_candidates;
};

// The code of the municipality the user picks among those at the position; empty when the user
// cancels, or when none fits, which the user is told.
QString suggestMunicipality(Program &program, const QString &latitude, const QString &longitude,
                            QWidget *parent = nullptr);

} // namespace lirvenda
