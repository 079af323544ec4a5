#pragma once

#include "constructionsettings.h"
#include "lengthunits.h"
#include "rampdimensions.h"
#include "tracerapplier.h"

#include <functional>
#include <memory>
#include <optional>
#include <QChar>
#include <QImage>
#include <QMainWindow>

class ChartArea;
struct ConstructionPlan;
struct PriceTable;
class FileDialogs;
class PlanWindow;
class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class TChart;
class TCredit;
class Taidefiche;
class Terrplat;
class Terrrayon;
class Terrrayon2;
class Tfer;
class Tfer2;
class TLabel;
class TNumLabel;
class TPanel;
class TSpinEdit;

// The main window `Qvl`: the eight dimension fields, the Tracer button, the
// derived-length fields, the chart with its title, watermark and data panel,
// the two check boxes and the main menu. Every control sits at its fixed
// layout position; nothing moves when the window is resized. The controls keep
// the names of the layout, both as members and as object names.
class TQvl : public QMainWindow {
    Q_OBJECT
public:
    explicit TQvl(std::unique_ptr<FileDialogs> dialogs, QWidget* parent = nullptr);
    ~TQvl() override;

    // The windows Tracer fills and the menu shows, created after this one.
    void attachSecondaryWindows(Tfer* fer, Tfer2* fer2, TCredit* credit, Taidefiche* aidefiche,
                                Terrrayon* errrayon, Terrplat* errplat, Terrrayon2* errrayon2);

    // The eight spin fields' values, and writing them (in the file's order).
    RampDimensions dimensions() const;
    void setDimensions(const RampDimensions& dims);

    // The commands without their dialogs; they throw on failure.
    void runTracerCommand();
    void openDesign(const QString& path);
    void saveDesign(const QString& path) const;
    // The panel `graph` as displayed, rendered off screen onto white.
    QImage captureGraph() const;
    // Writes a captured picture as Exporter image does. Throws QuarvelError.
    void exportImage(const QString& path, const QImage& picture) const;

    // The construction plan of the spin fields' dimensions and the settings.
    // Throws QuarvelError: the dimensions Tracer refuses, a plan that cannot
    // be built as set.
    ConstructionPlan constructionPlan() const;
    // The construction exports of a plan, written whole. Throw QuarvelError.
    void writeTemplates(const QString& path, const ConstructionPlan& plan) const;
    // The build book, as `quarvel-cli book` writes it, on the templates'
    // paper when it is Letter, else A4.
    void writeBook(const QString& path, const ConstructionPlan& plan,
                   const PriceTable& prices) const;
    void writeCutFile(const QString& path, const ConstructionPlan& plan) const;
    void writeCutList(const QString& path, const ConstructionPlan& plan) const;
    // The 3D model of the plan, as `quarvel-cli model` writes it.
    void writeModel(const QString& path, const ConstructionPlan& plan) const;

    // The plan window, once the menu has opened it.
    PlanWindow* planWindow() const { return m_planWindow; }

    // The construction settings of the design (saved and opened with it) and
    // the paper of the templates, a choice of the running session only.
    const ConstructionSettings& constructionSettings() const { return m_settings; }
    void setConstructionSettings(const ConstructionSettings& settings);
    int templatePaperIndex() const { return m_paperIndex; }
    void setTemplatePaperIndex(int index) { m_paperIndex = index; }
    // The unit the construction side shows lengths in, a preference kept
    // between runs (the settings dialog sets it); the plan window follows it.
    LengthUnit lengthUnit() const { return m_unit; }
    void setLengthUnit(LengthUnit unit);

    // The title as typed: the field takes the width its text needs.
    void setTitle(const QString& text);

    // Event handlers of the layout.
    void tracerClick();
    void SpinEditKeyPress(QObject* sender, QChar& key);
    void titreKeyPress(QChar key);
    void cb3DClick();
    void cbdonneesClick();
    void Ouvrir1Click();
    void Enregistrersous1Click();
    void Exporterimage1Click();
    void Quitter1Click();
    void Utilisationdulogiciel1Click();
    void Crdit1Click();

    // The Construction menu.
    void constructionSettingsClick();
    void constructionPlanClick();
    void templatesClick();
    void cutFileClick();
    void modelClick();
    void bookClick();
    // The plan window's export buttons: the plan it shows.
    void planCsvClick();
    void planTemplatesClick();
    void planCutFileClick();
    void planBookClick();

    // Input area.
    TPanel* global;
    TSpinEdit* selpf;
    TSpinEdit* ser;
    TSpinEdit* seh;
    TSpinEdit* selp;
    TSpinEdit* sel;
    TSpinEdit* ser2;
    TSpinEdit* seh2;
    TSpinEdit* selpf2;
    QPushButton* tracer;
    TNumLabel* nllc;
    TNumLabel* nllsc;
    TNumLabel* nllt;
    TNumLabel* nllc2;
    TNumLabel* nllsc2;
    TLabel* Label40;

    // Chart area (see ChartArea).
    TPanel* graph;
    TChart* profil;
    QLineEdit* titre;
    TLabel* Label37;
    TPanel* donnees;
    TNumLabel* nlpf;
    TNumLabel* nlp;
    TNumLabel* nlpf2;
    TNumLabel* nlh;
    TNumLabel* nlr;
    TNumLabel* nllc3;
    TNumLabel* nlsc3;
    TNumLabel* nlh2;
    TNumLabel* nlr2;
    TNumLabel* nllc4;
    TNumLabel* nlsc4;
    TNumLabel* nll;
    TNumLabel* nlt2;

    QCheckBox* cb3D;
    QCheckBox* cbdonnees;

    // Main menu MainMenu1.
    QMenu* Fichier1;
    QAction* Ouvrir1;
    QAction* Enregistrersous1;
    QAction* Exporterimage1;
    QAction* Quitter1;
    QMenu* constructionMenu;
    QAction* constructionSettingsAction;
    QAction* constructionPlanAction;
    QAction* templatesAction;
    QAction* cutFileAction;
    QAction* modelAction;
    QAction* bookAction;
    QMenu* Aide1;
    QAction* Utilisationdulogiciel1;
    QAction* Crdit1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildInputArea();
    void buildChartArea();
    void buildCheckBoxes();
    void buildMenu();
    void setTabOrderOfInputs();
    // Rebuilds the plan window's plan when it is open. A refusal shows in the
    // window and goes to the error box unless report is false (the failure has
    // already been reported, as Tracer's refusal of the same dimensions).
    void refreshPlanWindow(bool report);

    // An export: the dialog that asks for its path, what writes the file.
    using PathQuestion = std::optional<QString> (FileDialogs::*)(QWidget*);
    using PlanExport = std::function<void(const QString&, const ConstructionPlan&)>;
    // Of the main window's plan: a refused plan is reported before any
    // dialog opens.
    void exportPlan(PathQuestion ask, const PlanExport& write);
    // Of the plan the plan window shows, the dialog over that window.
    void exportShownPlan(PathQuestion ask, const PlanExport& write);

    std::unique_ptr<FileDialogs> m_dialogs;
    // Built through ChartArea; its widgets belong to the window.
    std::unique_ptr<ChartArea> m_chartArea;
    TracerApplier m_applier;
    Taidefiche* m_aidefiche = nullptr;
    TCredit* m_credit = nullptr;
    ConstructionSettings m_settings;
    int m_paperIndex = 0;
    LengthUnit m_unit = LengthUnit::Millimetres;
    PlanWindow* m_planWindow = nullptr; // a child window: deleted with this one
};
