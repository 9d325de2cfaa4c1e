#pragma once
// Report descriptors as boards of each kind send them.
#include <cstdint>
#include <vector>

namespace hidlink::test {

// A button box: 32 buttons in a 4-byte report, no axes, no report ID.
inline const std::vector<std::uint8_t> kButtonBox32 = {
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01,  // Generic Desktop, Joystick, Application
    0x05, 0x09, 0x19, 0x01, 0x29, 0x20,  //   Button, Usage Minimum 1, Maximum 32
    0x15, 0x00, 0x25, 0x01, 0x75, 0x01,  //   Logical 0..1, Report Size 1
    0x95, 0x20, 0x81, 0x02,              //   Report Count 32, Input (Data, Variable, Absolute)
    0xC0,                                // End Collection
};

// A USB gamepad: five 8-bit axes, a 4-bit hat, 12 buttons, 8 vendor bits (an 8-byte report), and
// an output report. Button 1 is bit 44.
inline const std::vector<std::uint8_t> kGamepad12 = {
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01,        // Generic Desktop, Joystick, Application
    0xA1, 0x02,                                //   Collection (Logical)
    0x75, 0x08, 0x95, 0x05, 0x15, 0x00,        //     Report Size 8, Count 5, Logical Min 0
    0x26, 0xFF, 0x00, 0x35, 0x00,              //     Logical Max 255, Physical Min 0
    0x46, 0xFF, 0x00,                          //     Physical Max 255
    0x09, 0x30, 0x09, 0x31, 0x09, 0x32,        //     X, Y, Z
    0x09, 0x32, 0x09, 0x35, 0x81, 0x02,        //     Z, Rz; Input (Data, Variable)
    0x75, 0x04, 0x95, 0x01, 0x25, 0x07,        //     Report Size 4, Count 1, Logical Max 7
    0x46, 0x3B, 0x01, 0x65, 0x14, 0x09, 0x39,  //     Physical Max 315, Unit degrees, Hat switch
    0x81, 0x42,                                //     Input (Data, Variable, Null state)
    0x65, 0x00, 0x75, 0x01, 0x95, 0x0C,        //     Unit none, Report Size 1, Count 12
    0x25, 0x01, 0x45, 0x01, 0x05, 0x09,        //     Logical Max 1, Physical Max 1, Button
    0x19, 0x01, 0x29, 0x0C, 0x81, 0x02,        //     Usage 1..12, Input (Data, Variable)
    0x06, 0x00, 0xFF, 0x75, 0x01, 0x95, 0x08,  //     Vendor page, Report Size 1, Count 8
    0x25, 0x01, 0x45, 0x01, 0x09, 0x01,        //     Logical Max 1, Physical Max 1, Usage 1
    0x81, 0x02, 0xC0,                          //     Input (Data, Variable); End Collection
    0xA1, 0x02, 0x75, 0x08, 0x95, 0x07,        //   Collection (Logical), Size 8, Count 7
    0x46, 0xFF, 0x00, 0x26, 0xFF, 0x00,        //     Physical Max 255, Logical Max 255
    0x09, 0x02, 0x91, 0x02, 0xC0,              //     Usage 2, Output; End Collection
    0xC0,                                      // End Collection
};

// A large panel: 256 buttons in report 1 (33 bytes with the ID), a throttle in report 2, LEDs in
// output report 3.
inline const std::vector<std::uint8_t> kPanel256 = {
    0x05, 0x01, 0x09, 0x04, 0xA1, 0x01,        // Generic Desktop, Joystick, Application
    0x85, 0x01,                                //   Report ID (1)
    0x05, 0x09, 0x19, 0x01, 0x2A, 0x00, 0x01,  //   Button, Usage Minimum 1, Maximum 256
    0x15, 0x00, 0x25, 0x01, 0x75, 0x01,        //   Logical 0..1, Report Size 1
    0x96, 0x00, 0x01, 0x81, 0x02,              //   Report Count 256, Input (Data, Variable)
    0x85, 0x02,                                //   Report ID (2)
    0x05, 0x01, 0x09, 0x36, 0x15, 0x00,        //   Generic Desktop, Slider, Logical Min 0
    0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x01,  //   Logical Max 255, Size 8, Count 1
    0x81, 0x02,                                //   Input (Data, Variable)
    0x85, 0x03,                                //   Report ID (3)
    0x05, 0x08, 0x19, 0x01, 0x29, 0x08,        //   LED page, Usage 1..8
    0x75, 0x01, 0x95, 0x08, 0x91, 0x02,        //   Size 1, Count 8, Output (Data, Variable)
    0xC0,                                      // End Collection
};

// A vendor device with no buttons at all.
inline const std::vector<std::uint8_t> kVendorNoButtons = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,  // Vendor page, Usage 1, Application
    0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,  //   Logical 0..255, Size 8
    0x95, 0x40, 0x09, 0x01, 0x81, 0x02,        //   Count 64, Usage 1, Input (Data, Variable)
    0xC0,                                      // End Collection
};

}  // namespace hidlink::test
