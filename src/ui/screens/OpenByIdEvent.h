#pragma once

#include <functional>

// Opens the record with the given Id in its list (the house list or the client
// list); the main window provides it so that one list can show a record of the
// other.
using TOpenByIdEvent = std::function<void(int id)>;
