#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace kvt7 {

class DeviceColumns;
class MessageCatalogue;

// The four axis columns of OfflineActuatorDialog and OnlineActuatorDialog over a DeviceColumns model: the
// controls show the model and hand the operator's clicks to it. Controls of one kind share
// their name and are told apart by their "Index" property, 0 to 3 for axes 1 to 4; the two
// family options of axis n are optKvSelect<n> with Index 0 ("RQ") and 1 ("KV").
class DeviceColumnWidget : public QWidget {
    Q_OBJECT
public:
    DeviceColumnWidget(DeviceColumns& columns, const MessageCatalogue& messages,
                       QWidget* parent = nullptr);

private:
    struct Controls {
        QCheckBox* enable = nullptr;
        QRadioButton* rq = nullptr;
        QRadioButton* kv = nullptr;
        QComboBox* size = nullptr;
        QComboBox* speed = nullptr;
        QComboBox* stroke = nullptr;
        QCheckBox* oldType = nullptr;
        QCheckBox* vertical = nullptr;
        QCheckBox* withPg = nullptr;
    };

    void build(int axis, const MessageCatalogue& messages);
    void connectControls(int axis);
    void render(int axis);

    DeviceColumns& columns_;
    std::array<Controls, 4> controls_;
    bool rendering_ = false;
};

}  // namespace kvt7
