#pragma once

#include <QString>

// Whose codes: houses take theirs from the sale rule, clients from the buy rule.
enum class TCodeOwner { House, Client };

// Code numbering: a rule of prefix, digit count and suffix gives codes such as
// FY00001. Every operation first reads the rule it is given into the three
// members; the object keeps nothing else.
class TSN {
  public:
    QString Prefix;
    int Digits = 0;
    QString Suffix;

    // Reads a stored rule: prefix CR LF digits CR LF suffix. A part whose line
    // break is missing keeps its old value.
    void LoadRule(const QString& rule);
    // The stored form of the three members.
    QString RuleText() const;
    // The rule as a LIKE pattern: prefix, one "%" per digit, suffix.
    QString CodePattern(const QString& rule);
    // The code after `lastCode`; the first code when `lastCode` is empty.
    QString NextCode(const QString& rule, const QString& lastCode);
    // The number after `number`, padded with zeros to the digit count; raises
    // kOverflowMsg when it does not fit.
    QString IncNumber(const QString& number) const;

    // The highest stored code of the owner's table that fits `rule`; empty when
    // none does.
    QString LastCode(TCodeOwner owner, const QString& rule);
    // The stored rule text of the owner.
    static QString StoredRule(TCodeOwner owner);
    // The next code of the owner by its stored rule.
    QString GenerateCode(TCodeOwner owner);

    static const QString kOverflowMsg;
};

// The program's code generator.
TSN& SN();
