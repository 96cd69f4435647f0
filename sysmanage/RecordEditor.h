// The common ground of the master-data editors (experts, specialty groups,
// laboratories): a dialog whose fields each stand for one column, read and
// written by name on the caller's connection and recordset, with the typing
// rules of each box. A caller that lends no connection (the management
// entry's stand-alone group editor) gets one of the editor's own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/Dialog.h"

// One box of an editor and the column behind it.
struct EditorField {
    int id;                            // the control
    const char* column;                // read and written by this name
    bool required = false;
    const char* validChars = nullptr;  // the characters that can be typed; null: any
    int limit = 0;                     // most characters that can be typed; 0: no limit
    bool choice = false;               // a drop-down list: its selected text
};

// Characters that the boxes of the editors accept.
inline constexpr const char* kDigits = "1234567890";
inline constexpr const char* kLettersAndDigits =
    "1234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr const char* kTelephoneChars = "1234567890()-";

class CRecordEditor : public ui::Dialog {
public:
    // Set by the caller before DoModal: the key the editor opens (empty for a
    // new record) and the caller's connection and recordset (not owned).
    std::string m_strKey;
    CAdoRecordSet* m_pRecordSet = nullptr;
    CAdoConnection* m_pConnection = nullptr;

protected:
    // `table` holds the record; its column lengths limit the edit boxes.
    CRecordEditor(const ui::DialogTemplate& tpl, const char* table, std::vector<EditorField> fields, ui::Wnd* parent);
    ~CRecordEditor() override;

    // Background, a connection of its own when none was lent, typing rules,
    // each edit box limited to what its column holds.
    BOOL OnInitDialog() override;
    // Edit boxes to and from their values; drop-down lists are read by
    // CollectValues and set by LoadRecord.
    void DoDataExchange(ui::DataExchange& dx) override;

    // Opens the record whose `keyColumn` equals `key` on the recordset; when
    // there is one, reads every field by name into its box (a drop-down list
    // selects the entry equal to the text, or none) and answers true. The
    // recordset stays open.
    bool LoadRecord(const char* keyColumn, const std::string& key);
    // Opens the record of the editor's table whose `keyColumn` equals `key`
    // on the recordset (empty when there is none).
    void OpenKeyed(const char* keyColumn, const std::string& key);
    // Reads every box into the values; false when the exchange refused one.
    // A drop-down list without a selection keeps the text it was loaded with.
    bool CollectValues();
    bool RequiredFilled() const;
    // Writes every field by name, in field order, into the recordset's current
    // record (after AddNew when `addNew`) and updates it; false, with the
    // edit cancelled, when a write or the update fails.
    bool WriteFields(bool addNew);

    // Messages of a save that is keyed by the first field.
    struct KeyedSaveTexts {
        const char* required;      // a required box is empty
        const char* exists;        // question: overwrite the stored record?
        const char* added;         // a new record was written
        const char* addFailed;
        const char* updated;       // the stored record was overwritten
        const char* updateFailed;
    };
    // Saves the record under the key typed into the first field: a new one is
    // added; a stored one is overwritten only when the user says Yes to
    // `exists`. Every write happens in one transaction; the dialog closes with
    // IDOK after a save and stays open otherwise.
    void SaveKeyed(const KeyedSaveTexts& texts);
    // The failure text of a write, after the label of the first value its
    // column cannot hold.
    std::string FailureText(const std::string& failure) const;

    std::string& Value(const char* column);
    // Fills a drop-down list with `texts` and selects the first.
    void FillChoice(int id, const std::vector<std::string>& texts);
private:
    const EditorField* FieldOf(const char* column) const;
    void SelectExact(int id, const std::string& text);

    const char* table_;
    std::vector<EditorField> fields_;
    std::vector<std::string> values_;
    std::unique_ptr<CAdoConnection> ownConnection_;
    std::unique_ptr<CAdoRecordSet> ownRecordSet_;
};
