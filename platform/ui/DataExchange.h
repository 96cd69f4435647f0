// Data exchange between a dialog's controls and its members, in both
// directions. When saving, a refused value shows the framework's message
// (caption: the application title), puts the focus on the control and ends
// the exchange; UpdateData then answers FALSE.
#pragma once

#include <string>

#include "platform/text/DateTime.h"
#include "platform/ui/WinDefs.h"

namespace ui {

class Dialog;
class Wnd;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate) : dialog_(dialog), m_bSaveAndValidate(saveAndValidate) {}

    bool IsSaving() const { return m_bSaveAndValidate; }

    void Text(int id, std::string& value);
    void Text(int id, int& value);
    void Text(int id, long& value);
    void Text(int id, double& value);
    void Text(int id, float& value);
    void Check(int id, int& value);
    // `firstId` is the first radio button of a group; -1: none checked.
    void Radio(int firstId, int& index);
    void CBIndex(int id, int& index);
    void CBString(int id, std::string& value);
    void LBIndex(int id, int& index);
    void DateTime(int id, text::DateTime& value);
    // Binds a control object to the template control (subclassing it once).
    void Control(int id, Wnd& control);

    // Checks on the value just exchanged (the last control named above).
    void MaxChars(const std::string& value, int maxGbkBytes);  // also limits typing
    void MinMaxInt(long value, long minValue, long maxValue);
    void MinMaxDouble(double value, double minValue, double maxValue);

    // Shows nothing; ends the exchange as refused.
    [[noreturn]] void Fail();

    // Thrown by Fail and caught by UpdateData; never leaves the platform.
    struct Failure {};

private:
    Wnd* PrepareCtrl(int id);
    [[noreturn]] void Refuse(const std::string& message);

    Dialog& dialog_;
    int lastId_ = 0;

public:
    const bool m_bSaveAndValidate;
};

}  // namespace ui
