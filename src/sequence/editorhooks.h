#pragma once

#include <QByteArray>

#include <functional>

// What the table and file commands ask of the entry editor. A hook left empty does nothing.
struct EditorHooks {
    // The leave guard: offers to take uncommitted editor changes into the table. False when
    // the operator wanted them taken and the table refused them (they stay in the editor).
    std::function<bool()> takeChanges;
    // Empties the entry's fields and disables "OK"; number, active flag, duration mode and
    // kind page stay.
    std::function<void()> clearEntry;
    // Writes the number field.
    std::function<void(const QByteArray&)> showNumber;
    // Loads a data row into the editor.
    std::function<void(int)> loadRow;
    // While cleared, selecting a row does not load it.
    std::function<void(bool)> setFollowsSelection;

    bool callTakeChanges() const { return !takeChanges || takeChanges(); }
    void callClearEntry() const {
        if (clearEntry)
            clearEntry();
    }
    void callShowNumber(const QByteArray& number) const {
        if (showNumber)
            showNumber(number);
    }
    void callLoadRow(int row) const {
        if (loadRow)
            loadRow(row);
    }
    void callSetFollowsSelection(bool follows) const {
        if (setFollowsSelection)
            setFollowsSelection(follows);
    }
};
