#pragma once
// The "Район" and "Собрание" drop-downs over a list of brothers (the speaker picker, the speaker
// history). Their lines change with the circuit; their width does not.
#include <QWidget>
#include <string>
#include <vector>

class QComboBox;

namespace vorla::gui {

class CircuitFilters : public QWidget {
    Q_OBJECT
  public:
    CircuitFilters(const std::vector<std::string>& circuit_lines, QWidget* parent);

    QComboBox* circuits() const { return circuits_; }
    QComboBox* congregations() const { return congregations_; }
    // Replaces the congregation lines without a signal.
    void set_congregations(const std::vector<std::string>& lines, int current);

  signals:
    void circuit_chosen(int line);
    void congregation_chosen(int line);

  private:
    QComboBox* circuits_;
    QComboBox* congregations_;
};

}  // namespace vorla::gui
