#pragma once

struct EditorContext;
struct SequenceEntry;

// Fills the entry editor from one row of the table: number, active flag, duration, note,
// and by the kind the kind's page with its text and parameters.
class EntryLoader final {
public:
    explicit EntryLoader(EditorContext& context)
        : m_c(context) {}

    // A row without a number loads nothing. A duration or parameter cell that does not
    // convert throws its CellConversionError, its message naming the text number and the
    // column: the fields filled before keep their new values and the "OK" button keeps its
    // state. A complete load disables it.
    void load(int row);

private:
    void showKindText(const SequenceEntry& entry);
    void showKindTimings(const SequenceEntry& entry);
    void clearPreview();

    EditorContext& m_c;
};
