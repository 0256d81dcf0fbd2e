// Edit: the system "EDIT" control as a window of the library. Every key goes to the parent as
// well; Enter and Tab commit the field by sending the parent a message of the caller's choice
// (flag 15), and the system control never sees Enter.
#pragma once

#include "panekitapi.h"
#include "wndexclass.h"

struct EditData {
    int enterMessage; // sent to the parent on Enter or Tab; 14 sends nothing
};

class PANEKIT_API Edit : public WndExClass {
public:
    Edit();
    ~Edit() override;

protected:
    // Flag 15 (int): the enter message.
    void setValue(void* value) override;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    EditData editData;
};
