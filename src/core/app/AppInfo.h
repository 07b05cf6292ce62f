#pragma once

#include <QString>

// The program's identity strings, shown in window titles, the about box and
// reports.
class TAppInfo {
  public:
    static QString Title();       // "朔禾房地产中介管理系统"
    static QString Edition();     // edition and version label
    static QString ProductCode(); // "ORBEL"
    // "Build120709"; after LoadBuildLabel, "(Build120709" + suffix + ")" when
    // cfg.ini exists.
    static QString BuildLabel();
    // Extends the build label with the suffix [publish] b of cfg.ini.
    static void LoadBuildLabel();
};
