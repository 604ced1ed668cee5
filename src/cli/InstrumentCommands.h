#pragma once
// identify, send and receive: the Send and Receive dialogs' sequences run from the command
// line over GPIB or RS-232C, with the interface settings of the settings file.
#include "cli/Commands.h"

namespace averoz::cli {

int Identify(const Args& args, const CliEnv& env);
int Send(const Args& args, const CliEnv& env);
int Receive(const Args& args, const CliEnv& env);

}  // namespace averoz::cli
