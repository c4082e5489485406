// The main window as the operator first sees it, and the keys the window itself
// handles.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/wide_text_win32.h"
#include "driver.h"

namespace e2e {
namespace {

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        lay_out_server_root(temp.root());
        tool.emplace(temp.root() / L"ConanDeploy.exe", elsewhere.root());
        window = start_past_startup_box(*tool);
        ASSERT_NE(window, nullptr);
    }
    HWND control_window(control name) const { return find_control(window, name); }

    temp_folder temp;
    temp_folder elsewhere{L"elsewhere"};
    std::optional<tool_process> tool;
    HWND window = nullptr;
};

bool shows_text(control_kind kind) {
    return kind == control_kind::group_box || kind == control_kind::label || kind == control_kind::button;
}

TEST_F(Window, EveryControlInItsPlaceWithItsInitialState) {
    for (const layout_row& row : layout_table) {
        if (row.kind == control_kind::timer) continue;
        const HWND handle = control_window(row.name);
        ASSERT_NE(handle, nullptr) << "no control of its kind at its place: row " << &row - layout_table.data();
        EXPECT_TRUE(IsWindowVisible(handle));
        EXPECT_TRUE(IsWindowEnabled(handle));
        EXPECT_EQ(window_text(handle), shows_text(row.kind) ? widen(row.text) : L"");
        std::vector<std::wstring> items;
        for (const char* item : row.items) items.push_back(widen(item));
        if (row.kind == control_kind::combo_box) {
            EXPECT_EQ(combo_items(handle), items);
            EXPECT_EQ(SendMessageW(handle, CB_GETCURSEL, 0, 0), CB_ERR);
        }
        if (row.kind == control_kind::list_box) {
            EXPECT_EQ(list_lines(handle), items);
            EXPECT_EQ(SendMessageW(handle, LB_GETCURSEL, 0, 0), LB_ERR);
        }
    }
}

TEST_F(Window, FrameTextsAndPlacesAsTheOperatorSeesThem) {
    EXPECT_EQ(window_text(window), L"[Velmora]ConanExiles服务端部署工具1.1");
    RECT frame, client;
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    EXPECT_GE(client.right, 369);
    EXPECT_GE(client.bottom, 491);
    EXPECT_NEAR(frame.right - frame.left, 380, 8);
    EXPECT_NEAR(frame.bottom - frame.top, 519, 8);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "fixed frame";

    // The group boxes' children, in the window's client area.
    struct place {
        control name;
        POINT client_point;
    };
    for (const place p : {place{control::检测间隔1, {232, 205}}, place{control::启动监控1, {308, 203}},
                          place{control::日志框, {8, 354}}}) {
        RECT rect;
        GetWindowRect(control_window(p.name), &rect);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, p.client_point.x);
        EXPECT_EQ(rect.top, p.client_point.y);
    }

    EXPECT_EQ(window_text(control_window(control::按钮1)), L"部署");
    EXPECT_EQ(window_text(control_window(control::分组框2)), L"服务端进程监控");
    EXPECT_EQ(window_text(control_window(control::标签5)), L"Steam服务器端口：");
    const auto limits = combo_items(control_window(control::人数上限下拉框));
    ASSERT_EQ(limits.size(), 13u);
    EXPECT_EQ(limits.front(), L"65");
    EXPECT_EQ(limits.back(), L"5");
    const auto log = list_lines(control_window(control::日志框));
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], L"欢迎使用VelmoraConanExiles服务端部署工具1.1");
    EXPECT_FALSE(log[1].empty());
}

TEST_F(Window, ControlsLieOverTheLabelsAndFramesTheyOverlap) {
    std::vector<HWND> stacking;  // top first
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        stacking.push_back(child);
    const auto depth = [&](control name) {
        return std::find(stacking.begin(), stacking.end(), control_window(name)) - stacking.begin();
    };
    EXPECT_LT(depth(control::Steam端口), depth(control::标签5));
    EXPECT_LT(depth(control::进程列表1), depth(control::标签8));
    for (control over : {control::进程列表2, control::检测间隔4, control::启动监控3, control::标签12})
        EXPECT_LT(depth(over), depth(control::分组框2));
}

TEST_F(Window, TabWalksTheControlsTopToBottom) {
    using enum control;
    const control order[] = {服务器名称输入框, 管理员密码输入框, Steam端口, 服务器端口, 服务器模式下拉框,
                             人数上限下拉框, 按钮1, 按钮2, 进程列表1, 检测间隔1, 启动监控1,
                             进程列表2, 检测间隔2, 启动监控2, 进程列表3, 检测间隔3, 启动监控3,
                             进程列表4, 检测间隔4, 启动监控4, 日志框, 服务器名称输入框};
    const auto focused_control = [&] {
        HWND focus = focused_window(window);
        // A combo box's focus is in its text field.
        wchar_t parent_class[16] = {};
        if (focus) GetClassNameW(GetParent(focus), parent_class, 16);
        if (std::wstring_view(parent_class) == L"ComboBox") focus = GetParent(focus);
        return focus;
    };
    EXPECT_TRUE(wait_until([&] { return focused_control() == control_window(order[0]); }, 2000))
        << "the focus starts in the first box";
    for (std::size_t i = 1; i < std::size(order); ++i) {
        press_key(window, VK_TAB);
        EXPECT_TRUE(wait_until([&] { return focused_control() == control_window(order[i]); }, 2000))
            << "step " << i;
    }
    press_key(window, VK_RETURN);
    Sleep(200);
    EXPECT_EQ(focused_control(), control_window(order[0])) << "Enter moves nothing";
    EXPECT_TRUE(IsWindowVisible(window));
}

struct esc_case {
    const char* what;
    bool combo_list_open;
};

class WindowEsc : public Window, public ::testing::WithParamInterface<esc_case> {};

TEST_P(WindowEsc, ClosesTheWindowWithExitCodeZero) {
    if (GetParam().combo_list_open) {
        const HWND limits = control_window(control::人数上限下拉框);
        SendMessageW(limits, CB_SHOWDROPDOWN, TRUE, 0);
        ASSERT_TRUE(SendMessageW(limits, CB_GETDROPPEDSTATE, 0, 0));
    }
    press_key(window, VK_ESCAPE);
    EXPECT_EQ(tool->wait_for_exit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(Window, WindowEsc,
                         ::testing::Values(esc_case{"from the server name box", false},
                                           esc_case{"with a combo list open", true}));

}  // namespace
}  // namespace e2e
