#pragma once

// Scripted stand-ins for the editors the business operations open: each answers
// from a queue of filled property sets (OK) or cancels, and remembers how often it
// was shown, with which caption and with which properties loaded. Installing a
// TScriptedEditorFactory makes every operation use them.

#include "operations/EditorFactory.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QVariantMap>

struct TEditorAnswer {
    bool ok = true;
    QVariantMap values; // entries the operator changes; everything else stays as loaded
};

// The script and the record of one kind of editor, shared by every editor of
// that kind the factory creates.
class TEditorScript {
  public:
    // The next show ends with OK after these entries were made.
    void Ok(const QVariantMap& values = {}) { answers << TEditorAnswer{true, values}; }
    // The next show is cancelled. An empty queue cancels as well.
    void Cancel() { answers << TEditorAnswer{false, {}}; }

    int created = 0;
    int shown = 0;
    QStringList captions;
    QList<QVariantMap> loaded; // the properties each time the editor was shown
    QList<TEditorAnswer> answers;
    QString caption;      // caption of a new editor
    QVariantMap defaults; // properties of a new editor
};

template <class TIntf> class TScriptedEditor : public TIntf {
  public:
    explicit TScriptedEditor(TEditorScript& script) : m_script(script) {
        ++m_script.created;
        m_caption = script.caption;
        for (auto it = script.defaults.begin(); it != script.defaults.end(); ++it)
            SetProperty(it.key(), it.value());
    }
    QString Caption() const override { return m_caption; }
    void SetCaption(const QString& caption) override { m_caption = caption; }
    bool Execute() override {
        ++m_script.shown;
        m_script.captions << m_caption;
        m_script.loaded << m_values;
        if (m_script.answers.isEmpty())
            return false;
        const TEditorAnswer answer = m_script.answers.takeFirst();
        for (auto it = answer.values.begin(); it != answer.values.end(); ++it) {
            this->KindOf(it.key());          // only published properties can be entered
            m_values[it.key()] = it.value(); // kept as typed: reading converts, and may fail
        }
        return answer.ok;
    }
    QVariant Property(const QString& name) const override {
        return TPropertyEditor::Normalize(this->KindOf(name), m_values.value(name));
    }
    void SetProperty(const QString& name, const QVariant& value) override {
        m_values[name] = TPropertyEditor::Normalize(this->KindOf(name), value);
    }

  private:
    TEditorScript& m_script;
    QString m_caption;
    QVariantMap m_values;
};

class TScriptedPhotoManager : public TPhotoManager {
  public:
    TScriptedPhotoManager(TEditorScript& script, THouseMgr& houses) : m_script(script) {
        ++m_script.created;
        m_caption = script.caption;
        shownFor = &houses;
    }
    QString Caption() const override { return m_caption; }
    void SetCaption(const QString& caption) override { m_caption = caption; }
    bool Execute() override {
        ++m_script.shown;
        m_script.captions << m_caption;
        return !m_script.answers.isEmpty() && m_script.answers.takeFirst().ok;
    }
    THouseMgr* shownFor = nullptr;

  private:
    TEditorScript& m_script;
    QString m_caption;
};

// Installed for its lifetime. New editors start as the real ones do: captions,
// today's dates and three reminder days.
class TScriptedEditorFactory : public TEditorFactory {
  public:
    TScriptedEditorFactory() {
        const QDateTime today = QDate::currentDate().startOfDay();
        client.caption = QStringLiteral("客户");
        client.defaults = {{"DealType", QStringLiteral("求购")}};
        visit.caption = QStringLiteral("跟进");
        visit.defaults = {{"VisDate", today}, {"HintDays", 3}};
        deal.caption = QStringLiteral("成交");
        deal.defaults = {
            {"DealType", QStringLiteral("置换")}, {"SignDate", today}, {"HintDays", 3}};
        notes.caption = QStringLiteral("备注");
        attention.caption = QStringLiteral("关注");
        contact.caption = QStringLiteral("联系信息");
        finder.caption = QStringLiteral("房源查找");
        broker.caption = QStringLiteral("选择经纪人...");
        photo.caption = QStringLiteral("图片管理");
        SetEditorFactory(this);
    }
    ~TScriptedEditorFactory() override { SetEditorFactory(nullptr); }

    std::unique_ptr<THouseEditor> CreateHouseEditor() override { return Make<THouseEditor>(house); }
    std::unique_ptr<TClientEditor> CreateClientEditor() override {
        return Make<TClientEditor>(client);
    }
    std::unique_ptr<TVisitEditor> CreateVisitEditor() override { return Make<TVisitEditor>(visit); }
    std::unique_ptr<TDealEditor> CreateDealEditor() override { return Make<TDealEditor>(deal); }
    std::unique_ptr<TNotesEditor> CreateNotesEditor() override { return Make<TNotesEditor>(notes); }
    std::unique_ptr<TAttentionEditor> CreateAttentionEditor() override {
        return Make<TAttentionEditor>(attention);
    }
    std::unique_ptr<TContactCard> CreateContactCard() override {
        return Make<TContactCard>(contact);
    }
    std::unique_ptr<THouseFinder> CreateHouseFinder() override {
        return Make<THouseFinder>(finder);
    }
    std::unique_ptr<TBrokerPicker> CreateBrokerPicker() override {
        return Make<TBrokerPicker>(broker);
    }
    std::unique_ptr<TPhotoManager> CreatePhotoManager(THouseMgr& houses) override {
        return std::make_unique<TScriptedPhotoManager>(photo, houses);
    }

    TEditorScript house, client, visit, deal, notes, attention, contact, finder, broker, photo;

  private:
    template <class TIntf> static std::unique_ptr<TIntf> Make(TEditorScript& script) {
        return std::make_unique<TScriptedEditor<TIntf>>(script);
    }
};
