// The helpers of the fund office's workflow panels and bars: panel colour,
// button artwork and styling, opening the database and queries, the prompt
// box. Panels include this, not the view that hosts them, so no panel depends
// on its view (defined in WorkflowView.cpp beside the base view).
#pragma once

#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/WinDefs.h"
#include "review/ReviewArtwork.h"

class CButtonST;

namespace workflow {

// Background of the fund office's panels and bars.
constexpr COLORREF kPanelBackground = RGB(242, 246, 255);
// Resource ids of the panels' button artwork and hand cursor.
constexpr int kSaveIcon = reviewart::kSave;
constexpr int kExcelIcon = reviewart::kExcelReport;
constexpr int kLabStatisticsIcon = reviewart::kLabStatistics;
constexpr int kReorderIcon = reviewart::kReorder;
constexpr int kHandCursor = reviewart::kHandCursor;

// The current period's year range ("2006-2010"), set by the main program
// through CDlgFirstAPPR::m_strPublishYear.
std::string& PublishYear();
// Opens project.mdb of the program folder with the database password.
bool ConnectProjectDatabase(CAdoConnection& connection);
// Opens a query on the connection with a client-side static cursor and
// optimistic locking; false (recordset closed) without a connection.
bool OpenQuery(CAdoRecordSet& recordset, CAdoConnection* connection, const std::string& sql);
// The icon, the hand cursor, the panel colour as background of the states
// in, out and focus, and the tool tip.
void StyleButton(CButtonST& button, int iconId, const std::string& tooltip);
// Message box with caption "提示" and the information icon.
void Prompt(const std::string& text);
// A text column read as a number as the C library reads it (empty or not a
// number: 0).
float TextAsFloat(CAdoRecordSet& recordset, const std::string& column);

}  // namespace workflow
