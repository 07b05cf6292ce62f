#pragma once

#include "records/HouseCriteria.h"

class TPropertyEditor;

// The criteria the house search dialog holds, for a search with `dealType`. A
// text left empty or at "不限" sets no constraint; a number that is not a number
// fails with its conversion message. Address, remarks and code are taken as typed.
THouseCriteria HouseSearch(const TPropertyEditor& finder, const QString& dealType);
