#pragma once

#include "sequence/editorhooks.h"

#include <QByteArray>
#include <QList>

// The entry editor as the table and file commands see it, reduced to a record of what they
// asked of it.
struct RecordingEditor {
    QByteArray number = "00010";
    QList<QByteArray> numbersSet;
    QList<int> loaded;
    int resets = 0;
    int guards = 0;
    // The leave guard's answer: the changes were to be taken and the table refused them.
    bool changesRefused = false;
    bool follows = true;

    EditorHooks hooks() {
        EditorHooks editor;
        editor.takeChanges = [this] {
            ++guards;
            return !changesRefused;
        };
        editor.clearEntry = [this] {
            ++resets;
        };
        editor.showNumber = [this](const QByteArray& n) {
            number = n;
            numbersSet.append(n);
        };
        editor.loadRow = [this](int row) {
            loaded.append(row);
        };
        editor.setFollowsSelection = [this](bool f) {
            follows = f;
        };
        return editor;
    }
};
