#pragma once
// One open hidraw board. Reports are read without blocking and queued as the button states they
// lead to, so every press and release between two reads of the caller is handed out in order.
#include <array>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "board.h"
#include "hidraw_node.h"
#include "report_descriptor.h"

namespace hidlink {

class HidrawBoard : public Board {
public:
    // Takes ownership of `fd`. A character device hands out one report per read(); anything else
    // (a FIFO or a file standing in for the device) is a byte stream cut by the report lengths.
    HidrawBoard(HidrawNode node, ReportLayout layout, int fd, bool stream);
    ~HidrawBoard() override;
    HidrawBoard(const HidrawBoard&) = delete;
    HidrawBoard& operator=(const HidrawBoard&) = delete;

    int buttons() const override { return layout_.buttonCount; }
    std::string identifier() const override { return nodeIdentifier(node_); }
    std::string name() const override { return node_.name; }
    int read(unsigned char* state) override;

private:
    using State = std::array<std::uint8_t, 512>;

    void pump();
    void takeReport(std::span<const std::uint8_t> report);
    void takeStream(std::span<const std::uint8_t> bytes);

    HidrawNode node_;
    ReportLayout layout_;
    int fd_;
    bool stream_;
    State latest_{};  // after the newest report read
    std::deque<State> queued_;
    std::vector<std::uint8_t> partial_;  // stream bytes short of a whole report
    bool failed_ = false;
    bool gone_ = false;
};

}  // namespace hidlink
