#pragma once

#include "operations/ModalDialog.h"

// The photo manager window ("图片管理") of the current house of a house manager:
// it adds, renames, replaces and deletes the photos itself. It has no properties;
// the caller only shows it.
class TPhotoManager : public TModalDialog {};
