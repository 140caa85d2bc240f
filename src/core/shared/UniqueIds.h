#pragma once

#include <QString>

namespace lirvenda {

class Program;

// "YYYYMMDDHHNNSS-n", n the program's counter, which goes up by one: the unique identifier of a
// new observation or observer.
QString newUniqueId(Program &program);

} // namespace lirvenda
