#include "sample/info_pages.h"

#include "sample/xp.h"

#include <QLinearGradient>

namespace sample {
namespace {

// The page panel of the home screen: 11970 x 8175 twips.
constexpr QSize PageSize{798, 545};
// Its page buttons, drawn where the home screen lays its click areas.
const QRect PreviousButton(488, 508, 109, 33);
const QRect NextButton(627, 508, 109, 33);

using Page = InfoPage;

} // namespace

QList<InfoPage> infoPageTexts(const QString& moduleTitle)
{
    const QString intro = QStringLiteral("考试简介");
    const QString outline = QStringLiteral("考试大纲");
    const QString usage = QStringLiteral("使用说明");
    return {
        {intro,
         {QStringLiteral("全国专业技术人员计算机应用能力考试是面向专业技术人员的计算机应用能力考试，"),
          QStringLiteral("采用上机操作的形式，考查考生实际使用计算机完成工作的能力。"),
          QStringLiteral("考试按模块进行，考生可以根据工作需要选择报考的模块。"),
          QStringLiteral("本系统为“") + moduleTitle + QStringLiteral("”模块的练习和模拟考试系统。")}},
        {intro,
         {QStringLiteral("一、考试形式"),
          QStringLiteral("    全部考题均为上机操作题，在模拟的 Windows XP 环境中完成。"),
          QStringLiteral("    考生按照题目要求，使用鼠标和键盘完成操作，系统自动判断操作是否正确。")}},
        {intro,
         {QStringLiteral("二、考试时间和题量"), QStringLiteral("    每套试卷 40 道题，考试时间 50 分钟。"),
          QStringLiteral("    每题 2.5 分，满分 100 分。")}},
        {intro,
         {QStringLiteral("三、答题方法"),
          QStringLiteral("    每道题可以用多种方法完成，按照 Windows 的常规操作即可。"),
          QStringLiteral("    错误的操作不会扣分，但不会使题目前进。"),
          QStringLiteral("    题目完成后，可以单击“下一题”继续答题。")}},
        {intro,
         {QStringLiteral("四、标记和选题"),
          QStringLiteral("    没有把握的题目可以先做标记，交卷前再回来检查。"),
          QStringLiteral("    单击“选题”可以直接跳到任意一道题。")}},
        {intro,
         {QStringLiteral("五、交卷"), QStringLiteral("    答题结束后单击“结束考试”，按提示交卷。"),
          QStringLiteral("    考试时间用完时系统自动交卷。")}},
        {intro,
         {QStringLiteral("六、成绩"), QStringLiteral("    交卷后立即显示成绩和每道题的对错情况。"),
          QStringLiteral("    做错的题目记入“错题复习”，以便有针对性地练习。")}},
        {intro,
         {QStringLiteral("七、注意事项"), QStringLiteral("    考试过程中请不要关闭考试窗口。"),
          QStringLiteral("    操作时请看清题目要求，注意文件名、文件夹名的大小写和扩展名。")}},
        {outline,
         {QStringLiteral("第一部分  Windows XP 桌面与「开始」菜单"),
          QStringLiteral("    1. 桌面图标的建立、排列、重命名和删除"),
          QStringLiteral("    2. 任务栏的设置，快速启动工具栏"),
          QStringLiteral("    3. 「开始」菜单的使用和设置")}},
        {outline,
         {QStringLiteral("第二部分  文件和文件夹的管理"), QStringLiteral("    1. 我的电脑和资源管理器的使用"),
          QStringLiteral("    2. 文件和文件夹的新建、复制、移动、删除和重命名"),
          QStringLiteral("    3. 文件的查找，文件和文件夹的属性")}},
        {outline,
         {QStringLiteral("第三部分  控制面板与系统设置"),
          QStringLiteral("    1. 显示属性：背景、屏幕保护程序、分辨率"),
          QStringLiteral("    2. 日期和时间、区域和语言选项、输入法"),
          QStringLiteral("    3. 鼠标、声音、电源选项和用户帐户")}},
        {outline,
         {QStringLiteral("第四部分  附件与系统工具"),
          QStringLiteral("    1. 记事本、写字板、画图、计算器和命令提示符"),
          QStringLiteral("    2. 磁盘清理、磁盘碎片整理和系统还原"),
          QStringLiteral("    3. 任务管理器的使用")}},
        {usage,
         {QStringLiteral("一、单元练习"), QStringLiteral("    在首页单击“单元练习”，选择一个单元开始练习。"),
          QStringLiteral("    练习时可以使用“手把手教”和“操作演示”学习每道题的做法。")}},
        {usage,
         {QStringLiteral("二、模拟考试"), QStringLiteral("    在首页单击“模拟考试”，选择一套试卷。"),
          QStringLiteral("    输入座位号和身份证号后登录，开始 50 分钟的模拟考试。")}},
        {usage,
         {QStringLiteral("三、错题复习"), QStringLiteral("    模拟考试交卷后，可以对做错的题目进行复习。"),
          QStringLiteral("    复习时答对的题目可以从错题记录中去掉。")}},
        {usage,
         {QStringLiteral("四、其它"), QStringLiteral("    单击“题库升级”可以检查是否有新版本的题库。"),
          QStringLiteral("    练习进度保存在程序文件夹的 ksdata 文件夹中。")}},
        {QStringLiteral("其它模块"),
         {QStringLiteral("以下是本系列的其它模块。红色框表示已经安装的模块，单击可以直接启动；"),
          QStringLiteral("灰色框表示尚未安装的模块，单击可以打开下载页面。")}},
    };
}

namespace {

QImage drawPage(const Page& page, int number)
{
    Canvas c(PageSize, Qt::white);
    QPainter& p = c.p();
    QLinearGradient g(0, 0, 0, 60);
    g.setColorAt(0, QColor(0x2E, 0x6B, 0xC8));
    g.setColorAt(1, QColor(0x5A, 0x95, 0xE6));
    p.fillRect(QRect(0, 0, PageSize.width(), 60), g);
    xp::text(p, QRect(24, 0, 500, 60), page.heading, Qt::AlignLeft | Qt::AlignVCenter, Qt::white, 24, true);
    xp::text(p, QRect(PageSize.width() - 160, 0, 140, 60), QStringLiteral("第 %1 页 / 共 17 页").arg(number),
             Qt::AlignRight | Qt::AlignVCenter, Qt::white, 13);
    int y = number == 17 ? 16 : 90;
    if (number == 17) {
        // The catalogue slots lie over frames drawn by the home screen; the page holds their names,
        // the two editions of one module side by side.
        static const QStringList modules{
            QStringLiteral("Windows XP 操作系统"),      QStringLiteral("Word 2003 中文字处理"),
            QStringLiteral("Word 2007 中文字处理"),     QStringLiteral("Excel 2003 中文电子表格"),
            QStringLiteral("Excel 2007 中文电子表格"),  QStringLiteral("PowerPoint 2003 演示文稿"),
            QStringLiteral("PowerPoint 2007 演示文稿"), QStringLiteral("Internet 应用"),
            QStringLiteral("Access 2003 数据库"),       QStringLiteral("FrontPage 2003 网页制作"),
            QStringLiteral("WPS Office 文字处理"),      QStringLiteral("WPS Office 电子表格"),
            QStringLiteral("AutoCAD 2004 制图"),        QStringLiteral("Photoshop CS4 图像处理"),
            QStringLiteral("Flash MX 动画制作"),        QStringLiteral("Project 2000 项目管理"),
            QStringLiteral("Visual FoxPro 5.0"),        QStringLiteral("Windows 7 操作系统"),
            QStringLiteral("用友财务 (U8) 软件")};
        for (int i = 0; i < modules.size(); ++i) {
            const QRect slot(24 + (i % 4) * 191, 66 + (i / 4) * 73, 177, 51);
            p.fillRect(slot.adjusted(2, 2, -2, -2), QColor(0xEE, 0xF4, 0xFC));
            xp::text(p, slot, modules[i], Qt::AlignCenter | Qt::TextWordWrap, QColor(0x20, 0x40, 0x80), 13,
                     true);
        }
        y = 440;
    }
    for (const QString& line : page.lines) {
        xp::text(p, QRect(40, y, PageSize.width() - 80, 30), line, Qt::AlignLeft | Qt::AlignVCenter,
                 QColor(0x20, 0x20, 0x20), 16);
        y += 34;
    }
    for (const auto& [r, label] : {std::pair{PreviousButton, QStringLiteral("上一页")},
                                   std::pair{NextButton, QStringLiteral("下一页")}}) {
        p.setPen(QPen(QColor(0x2E, 0x6B, 0xC8), 1));
        p.setBrush(QColor(0xDD, 0xEA, 0xFA));
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        xp::text(p, r, label, Qt::AlignCenter, QColor(0x10, 0x30, 0x80), 15, true);
    }
    return c.finish();
}

} // namespace

QList<PictureFile> infoPages(const QString& moduleTitle)
{
    QList<PictureFile> out;
    const QList<Page> all = infoPageTexts(moduleTitle);
    for (int i = 0; i < all.size(); ++i) {
        out.append(PictureFile{QStringLiteral("9l00%1.rar").arg(i + 1, 2, 10, QLatin1Char('0')),
                               encodePicture(drawPage(all[i], i + 1))});
    }
    return out;
}

} // namespace sample
