#include "app/MainHooks.h"

TMainHooks::TWindow TMainHooks::Options;
TMainHooks::TWindow TMainHooks::ClearData;
TMainHooks::TWindow TMainHooks::Backup;
TMainHooks::TWizard TMainHooks::ImportHouses;
TMainHooks::TWizard TMainHooks::ImportClients;
TMainHooks::TWindow TMainHooks::Statistics;
TMainHooks::TWindow TMainHooks::Documents;
TMainHooks::TWindow TMainHooks::ToolsSetup;
TMainHooks::TWindow TMainHooks::Calculator;
TMainHooks::TWindow TMainHooks::DailyTip;
TMainHooks::TWindow TMainHooks::Feedback;
TMainHooks::TWindow TMainHooks::About;
