#pragma once

#include <QObject>

class EntryEditorPanel;

// The preview lines show the display page that holds the block editor's caret: the
// operator sees which lines will stand on the display together. The preview stays as it is
// while the caret preview is paused and while the simulation drives the preview.
class CaretPage final : public QObject {
    Q_OBJECT

public:
    explicit CaretPage(EntryEditorPanel& panel, QObject* parent = nullptr);

    // Writes the page of the caret into the preview lines; caret and selection stay.
    void show();
    // The caret moved: its page is shown unless the preview is paused or simulating.
    void follow();

private:
    EntryEditorPanel& m_panel;
};
