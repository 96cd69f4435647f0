// The grid of the experts assigned to a project in the letter review: one
// row per expert (row i is expert i + 1 of the panel); the first cell offers
// every expert number, the other ten are filled from the expert master data.
#pragma once

#include "platform/ui/GridCtrl.h"

class CAdoConnection;

class CExpertGridCtrl : public ui::GridCtrl {
public:
    enum Column { kNumber, kName, kColumnCount = 11 };

    // Appends an empty expert row whose number cell offers every expert ID.
    void AddExpertRow();
    // A number cell has been changed (by the user, the review load or the
    // expert browser): refuses a duplicate, else fills the row and the
    // panel's number and name edits of that expert from the master data.
    void OnCellChanged(ui::GridItem* item, int row, int column);
    // The number in a row's first cell ("" for a missing row).
    std::string GetExpertNumber(int row) const;

    // The view's connection; not owned.
    CAdoConnection* m_pConnection = nullptr;

protected:
    int OnCreate() override;
    void OnItemChanged(ui::GridItem* item, int row, int column) override { OnCellChanged(item, row, column); }
};
