// The desktop views' speed on the offscreen platform, at the handheld's
// 240 x 320 screen: opening a blog of 10,000 entries and painting its first
// page, painting page after page while scrolling through it, opening an
// entry whose photo is a 12-megapixel JPEG, and scrolling that entry's page.
// Goals: a page paints in under 16 ms, the blog opens in under 100 ms, the
// entry in under 150 ms, and scrolling the entry page only copies its
// cached photo.
//
// The device is made once: 10,000 entries with real 96 x 96 thumbnails (a
// few dozen different pictures) and one 4000 x 3000 photo file.

#include "../tests/workflows/ScriptedDialogHost.h"
#include "support/BlogFixtures.h"
#include "support/TemporaryFolder.h"

#include "app/ScreenScale.h"
#include "app/ScreenSize.h"
#include "app/StartUp.h"
#include "platform/DeviceFolders.h"
#include "ui/CChildView.h"
#include "ui/CImageWnd.h"
#include "ui/CMainFrame.h"
#include "ui/DeviceScreen.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kEntries = 10000;
constexpr int kThumbnailPictures = 48;
constexpr size_t kBigBlog = 0;

// The device and the program's screen over it, made at the first use.
class BenchDevice {
public:
    static BenchDevice& Get()
    {
        static BenchDevice device;
        return device;
    }

    CChildView& View() { return m_screen->GetFrame().GetView(); }
    MainViewController& Controller() { return View().GetController(); }

private:
    BenchDevice()
    {
        DeviceFolders::Use(DeviceFolders::ForSandbox(m_home.Path()));
        if (!CreatePreferenceKeyChain())
            std::abort();
        std::string photo = m_home.File("photo-12mp.jpg");
        WritePhotoFile(photo, 4000, 3000);
        {
            CWinBlogUser setup;
            setup.SetEmail("bench@example.com");
            setup.SetPassword("secret");
            setup.SetUserId(7);
            if (setup.Save() != Error::Success)
                std::abort();
            CWinBlogStorage& blog = AddBlog(setup, { "big", "A Big Blog", "Ten thousand photos", false, false, 7 });
            for (int i = 0; i < kEntries; ++i) {
                AddEntry(blog, { .title = "Photo " + std::to_string(i), .caption = std::string(i == 0 ? 3000 : 60, 'c'), .postDate = static_cast<std::uint32_t>(kEntries - i), .serverId = static_cast<std::uint32_t>(i + 1), .posterId = 7, .thumbnailSeed = i % kThumbnailPictures, .photoPath = i == 0 ? photo : std::string() });
            }
            if (blog.Save() != Error::Success)
                std::abort();
        }
        ScreenScale::Set({});
        ScreenSize::Set({ 240, 320 });
        m_user = std::make_unique<CWinBlogUser>();
        m_screen = std::make_unique<DeviceScreen>(*m_user, m_dialogs);
        View().Init();
        m_screen->show();
        QCoreApplication::processEvents();
    }

    TemporaryFolder m_home;
    ScriptedDialogHost m_dialogs;
    std::unique_ptr<CWinBlogUser> m_user;
    std::unique_ptr<DeviceScreen> m_screen;
};

// Opening the blog from the home list: its shown entries worked out afresh
// (as after a start or a filter change), the grid laid out for them.
void BM_OpenBlog10000(benchmark::State& state)
{
    BenchDevice& device = BenchDevice::Get();
    MainViewController& controller = device.Controller();
    for (auto _ : state) {
        state.PauseTiming();
        controller.GoHome();
        CWinBlogStorage* blog = controller.GetUser().GetBlogList().GetAt(kBigBlog);
        blog->SetFilters(blog->GetCategoryFilter(), blog->GetStatusFilter()); // forgets the shown list
        state.ResumeTiming();
        controller.OpenBlog(kBigBlog);
        benchmark::DoNotOptimize(controller.GetItemCount());
    }
    state.counters["entries"] = static_cast<double>(controller.GetItemCount());
}
BENCHMARK(BM_OpenBlog10000)->Unit(benchmark::kMillisecond);

// The first page of the open blog, painted: nine cells, each decoded from
// its thumbnail bytes into a one-cell bitmap.
void BM_PaintFirstPage(benchmark::State& state)
{
    BenchDevice& device = BenchDevice::Get();
    device.Controller().OpenBlog(kBigBlog);
    CChildView& view = device.View();
    view.SetScrollPosition(0);
    for (auto _ : state)
        view.repaint();
    state.counters["cells"] = view.GetLayout().GetRows() * view.GetLayout().GetColumns();
}
BENCHMARK(BM_PaintFirstPage)->Unit(benchmark::kMillisecond);

// Page Down through the blog: each iteration scrolls one page and paints
// it, wrapping round at the end.
void BM_ScrollPageByPage(benchmark::State& state)
{
    BenchDevice& device = BenchDevice::Get();
    device.Controller().OpenBlog(kBigBlog);
    CChildView& view = device.View();
    view.ClearSelection();
    for (auto _ : state) {
        if (view.GetFirstRow() >= view.GetLayout().GetScrollRange())
            view.SetScrollPosition(0);
        view.HandleGridKey(ViewKey::PageDown);
        view.repaint();
    }
}
BENCHMARK(BM_ScrollPageByPage)->Unit(benchmark::kMillisecond);

// Opening the entry whose photo is 4000 x 3000: the page shown and painted
// once, which decodes the photo at the scale that fills the width.
void BM_OpenEntry12Megapixels(benchmark::State& state)
{
    BenchDevice& device = BenchDevice::Get();
    MainViewController& controller = device.Controller();
    controller.OpenBlog(kBigBlog);
    CImageWnd* page = device.View().GetEntryPage();
    for (auto _ : state) {
        controller.OpenEntry(0);
        page->repaint();
        state.PauseTiming();
        controller.CloseEntry();
        state.ResumeTiming();
    }
    controller.OpenEntry(0);
    page->repaint();
    state.counters["photo height"] = page->GetPage().GetPhotoHeight();
    controller.CloseEntry();
}
BENCHMARK(BM_OpenEntry12Megapixels)->Unit(benchmark::kMillisecond);

// Scrolling the open entry's page one line: the cached photo is copied, the
// text drawn again.
void BM_ScrollEntryPage(benchmark::State& state)
{
    BenchDevice& device = BenchDevice::Get();
    MainViewController& controller = device.Controller();
    controller.OpenBlog(kBigBlog);
    controller.OpenEntry(0);
    CImageWnd* page = device.View().GetEntryPage();
    page->repaint();
    for (auto _ : state) {
        if (page->GetPage().GetScrollPosition() >= page->GetPage().GetMaximumScroll()) {
            state.PauseTiming();
            page->Reload();
            page->repaint();
            state.ResumeTiming();
        }
        page->ScrollDown();
        page->repaint();
    }
    controller.CloseEntry();
}
BENCHMARK(BM_ScrollEntryPage)->Unit(benchmark::kMicrosecond);

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
