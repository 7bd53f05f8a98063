#pragma once
// The password of custos-batch: the environment variable CUSTOS_PASSWORD, or asked on the
// terminal without echo. Never an argument: arguments are visible to every user of the machine.

#include <QString>

namespace custos::batch {

// Raises UsageError when the variable is not set and there is no terminal to ask on.
QString readPassword();

} // namespace custos::batch
