// The issued guides: for each chosen unit one Word document, made from the
// template 年度指南模板.doc, that gathers every annual guide of the year
// directing at least one research direction of the wanted kinds at the unit,
// with the chosen chapters, saved under the unit's code.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "platform/office/Word.h"

struct UnitGuideChoice {
    std::string year;
    bool keyDirections = true;      // SFZDYJFX "1"
    bool generalDirections = true;  // SFZDYJFX "0"
    std::vector<std::string> chapters;  // "0" to "3"
};

// The folder the documents go to: 下发年度指南 in the chosen folder.
std::string IssuedGuideFolder(const std::string& chosenFolder);

// Writes the document of each unit, in order, to `folder` + unit code +
// ".doc" (an existing file is replaced) and reports `progress(done, total)`
// after each. The guides' rich texts pass through the editor's chapter files
// under temp and the topic folder, which must exist. Returns an empty text
// when every document was saved, else the message that says what failed
// (the units after it are not written).
std::string WriteUnitGuides(const office::word::Application& word, CAdoConnection& connection,
                            const std::vector<std::string>& units, const UnitGuideChoice& choice,
                            const std::string& folder, const std::function<void(int done, int total)>& progress);
