#pragma once
// The texts of custos-batch --help and custos-batch COMMAND --help.

#include "BatchOptions.h"

namespace custos::batch {

QString generalHelp();
QString commandHelp(Command command);

} // namespace custos::batch
