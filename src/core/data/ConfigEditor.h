#pragma once

class TConfiger;

// The place where the operator edits the connection settings after a failed
// connection: the database configuration dialog in the program, a scripted
// editor in tests.
class TConfigEditor {
  public:
    virtual ~TConfigEditor() = default;
    // The settings the editor works on; they give every connection string tried.
    virtual TConfiger& Configer() = 0;
    // Lets the operator edit the settings; true when they were accepted and saved,
    // false when the operator gave up.
    virtual bool Execute() = 0;
};
