// Statements of the numbering with bound values, run on the connection's
// engine directly: the lookups by number go through the index of the numbers
// and a renumbering of thousands of projects runs a few statements. The
// statement itself is the foundation's (foundation/Sql.h).
#pragma once

#include "foundation/Sql.h"

namespace projectnumber {

class Statement : public db::Statement {
public:
    using db::Statement::Statement;
};

using db::Execute;

}  // namespace projectnumber
