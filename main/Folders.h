// The save folders kept in the settings record, and the documents the help
// menu opens from the program folder.
#pragma once

#include <string>

// The folder text as stored: a trailing "\" is added when it ends in no
// separator (an empty text becomes "\").
std::string WithTrailingSeparator(const std::string& folder);

// Path of the document a help command opens, or an empty text for another command.
std::string HelpDocumentPath(int command);
