<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BodyContrast</name>
    <message>
        <source>AA(大きな文字)</source>
        <translation>AA (large text)</translation>
    </message>
    <message>
        <source>基準未満</source>
        <translation>Fail</translation>
    </message>
</context>
<context>
    <name>BodyModel</name>
    <message>
        <source>背景色</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>BACKCOLOR - 背景色</source>
        <translation>BACKCOLOR - Background color</translation>
    </message>
    <message>
        <source>テキスト色</source>
        <translation>Text color</translation>
    </message>
    <message>
        <source>TEXT           - 通常文字色</source>
        <translation>TEXT           - Normal text color</translation>
    </message>
    <message>
        <source>リンク色</source>
        <translation>Link color</translation>
    </message>
    <message>
        <source>LINK            - リンクテキスト色</source>
        <translation>LINK            - Link text color</translation>
    </message>
    <message>
        <source>キャッシュ済みリンク色</source>
        <translation>Visited link color</translation>
    </message>
    <message>
        <source>VLINK          - キャッシュ済みリンクテキスト色</source>
        <translation>VLINK          - Visited link text color</translation>
    </message>
    <message>
        <source>読み込み中リンク色</source>
        <translation>Active link color</translation>
    </message>
    <message>
        <source>ALINK          - 読み込み中リンクテキスト色</source>
        <translation>ALINK          - Active link text color</translation>
    </message>
</context>
<context>
    <name>BodyPreset</name>
    <message>
        <source>netscape 標準</source>
        <translation>Netscape standard</translation>
    </message>
    <message>
        <source>白地に黒色</source>
        <translation>Black on white</translation>
    </message>
    <message>
        <source>オフホワイトに黒色</source>
        <translation>Black on off-white</translation>
    </message>
    <message>
        <source>ライトイエローに黒色</source>
        <translation>Black on light yellow</translation>
    </message>
    <message>
        <source>黄色に黒色</source>
        <translation>Black on yellow</translation>
    </message>
    <message>
        <source>ライトブルーに黒色</source>
        <translation>Black on light blue</translation>
    </message>
    <message>
        <source>ミディアムブルーに黒色</source>
        <translation>Black on medium blue</translation>
    </message>
    <message>
        <source>オレンジに青色</source>
        <translation>Blue on orange</translation>
    </message>
    <message>
        <source>黒字に白色</source>
        <translation>White on black</translation>
    </message>
    <message>
        <source>緑色に白色</source>
        <translation>White on green</translation>
    </message>
    <message>
        <source>バイオレットに白色</source>
        <translation>White on violet</translation>
    </message>
</context>
<context>
    <name>BodyPresetEdit</name>
    <message>
        <source>この名前はすでに登録されています</source>
        <translation>This name is already registered.</translation>
    </message>
    <message>
        <source>更新する項目を選択してください</source>
        <translation>Select the entry to update.</translation>
    </message>
    <message>
        <source>これ以上登録できません。登録できるのは51件までです</source>
        <translation>No more entries can be registered. Up to 51 entries can be registered.</translation>
    </message>
    <message>
        <source>登録名は255文字以内にしてください</source>
        <translation>Keep the name to 255 characters or fewer.</translation>
    </message>
    <message>
        <source>登録名に使えない文字が含まれています</source>
        <translation>The name contains characters that cannot be used.</translation>
    </message>
</context>
<context>
    <name>BrowserLaunch</name>
    <message>
        <source>ブラウザが見つかりません</source>
        <translation>The browser could not be found.</translation>
    </message>
</context>
<context>
    <name>ColorControls</name>
    <message>
        <source>赤色の成分を調整します</source>
        <translation>Adjusts the red component</translation>
    </message>
    <message>
        <source>緑色の成分を調整します</source>
        <translation>Adjusts the green component</translation>
    </message>
    <message>
        <source>青色の成分を調整します</source>
        <translation>Adjusts the blue component</translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation>Choose Color...</translation>
    </message>
    <message>
        <source>任意の色を選択して記録できます</source>
        <translation>Choose any color and keep it among the custom colors</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は有効な整数値ではありません。</source>
        <translation>&apos;%1&apos; is not a valid integer value.</translation>
    </message>
</context>
<context>
    <name>ColorEntry</name>
    <message>
        <source>色が書かれていません</source>
        <translation>No color is written</translation>
    </message>
    <message>
        <source>CSS にない色の名前です</source>
        <translation>CSS has no color of this name</translation>
    </message>
    <message>
        <source>決まった色を持たない名前です</source>
        <translation>This name has no color of its own</translation>
    </message>
    <message>
        <source># の後には 16 進の数字を 3、4、6、8 桁書きます</source>
        <translation># takes 3, 4, 6 or 8 hex digits</translation>
    </message>
    <message>
        <source>CSS にない色の関数か色空間です</source>
        <translation>CSS has no such color function or space</translation>
    </message>
    <message>
        <source>CSS の色の書き方ではありません</source>
        <translation>Not a CSS color</translation>
    </message>
    <message>
        <source>色の成分の数か書き方が違います</source>
        <translation>A component is missing, extra or badly written</translation>
    </message>
    <message>
        <source>CSS の色（名前、#RRGGBB、rgb()、hsl()、oklch()、color() など）を入力し、Enter で現在の色にします</source>
        <translation>Type a CSS color (a name, #RRGGBB, rgb(), hsl(), oklch(), color() and so on) and press Enter to make it current</translation>
    </message>
    <message>
        <source>CSS の色</source>
        <translation>CSS color</translation>
    </message>
    <message>
        <source>CSS の色の名前</source>
        <translation>CSS color name</translation>
    </message>
    <message>
        <source>名前: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>近い名前: %1 (ΔE %2)</source>
        <translation>Nearest: %1 (ΔE %2)</translation>
    </message>
    <message>
        <source>色として読めません: %1</source>
        <translation>Not a color: %1</translation>
    </message>
    <message>
        <source>sRGB の外の色を sRGB に写しました</source>
        <translation>The color lay outside sRGB and was mapped into it</translation>
    </message>
</context>
<context>
    <name>ColorHistoryDock</name>
    <message>
        <source>色の履歴</source>
        <translation>Color History</translation>
    </message>
    <message>
        <source>スポイト、カラーチャート、色の名前の一覧、色の設定などで選んだ色が新しい順に並びます。</source>
        <translation>The colors chosen with the eyedropper, the color chart, the list of color names, the color dialog and the like, newest first.</translation>
    </message>
    <message>
        <source>履歴を消去</source>
        <translation>Clear History</translation>
    </message>
    <message>
        <source>履歴のメニュー</source>
        <translation>History menu</translation>
    </message>
    <message>
        <source>色の履歴(&amp;H)</source>
        <translation>Color &amp;History</translation>
    </message>
</context>
<context>
    <name>ColorNotation</name>
    <message>
        <source>カラー定数</source>
        <translation>Color name</translation>
    </message>
    <message>
        <source>COLOR=カラー定数</source>
        <translation>COLOR=Color name</translation>
    </message>
    <message>
        <source>COLOR:カラー定数</source>
        <translation>COLOR:Color name</translation>
    </message>
    <message>
        <source>&lt;FONT COLOR=カラー定数&gt;</source>
        <translation>&lt;FONT COLOR=Color name&gt;</translation>
    </message>
    <message>
        <source>&lt;STYLE COLOR:カラー定数&gt;</source>
        <translation>&lt;STYLE COLOR:Color name&gt;</translation>
    </message>
</context>
<context>
    <name>ColorPageModel</name>
    <message>
        <source>テンプレート「%1」がありません</source>
        <translation>There is no template &quot;%1&quot;</translation>
    </message>
    <message>
        <source>テンプレート「%1」: %2</source>
        <translation>Template &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>ColorTemplate</name>
    <message>
        <source>テンプレートが長すぎます</source>
        <translation>The template is too long</translation>
    </message>
    <message>
        <source>「}」で閉じていません</source>
        <translation>no closing &quot;}&quot;</translation>
    </message>
    <message>
        <source>対応する「{」がありません (「}}」と書きます)</source>
        <translation>a &quot;}&quot; that closes nothing (write &quot;}}&quot;)</translation>
    </message>
    <message>
        <source>表記・色空間の名前が違います</source>
        <translation>unknown notation or color space</translation>
    </message>
    <message>
        <source>その色空間にないチャンネルです</source>
        <translation>no such channel in this color space</translation>
    </message>
    <message>
        <source>「:」の後の書式が違います</source>
        <translation>unknown number form after &quot;:&quot;</translation>
    </message>
    <message>
        <source>小数は10桁、16進数は8桁までです</source>
        <translation>at most 10 decimals or 8 hexadecimal digits</translation>
    </message>
</context>
<context>
    <name>ConfirmBox</name>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Eyedropper</name>
    <message>
        <source>スポイト</source>
        <translation>Eyedropper</translation>
    </message>
    <message>
        <source>ルーペ</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>色の平均化</source>
        <translation>Color averaging</translation>
    </message>
    <message>
        <source>平均化した色</source>
        <translation>Averaged colors</translation>
    </message>
</context>
<context>
    <name>FontTableEntry</name>
    <message>
        <source>フォント名に &quot; (ダブルクォーテーション) や改行などの制御文字は使えません。</source>
        <translation>A font name cannot contain &quot; (double quotation marks) or control characters such as line breaks.</translation>
    </message>
</context>
<context>
    <name>FrozenScreenWindow</name>
    <message>
        <source>スポイト</source>
        <translation>Eyedropper</translation>
    </message>
</context>
<context>
    <name>GradientExchange</name>
    <message>
        <source>ファイルを読めません: %1</source>
        <translation>Cannot read the file: %1</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 KiB まで）</source>
        <translation>The file is too large (%1 KiB at most)</translation>
    </message>
    <message>
        <source>GIMP グラデーション（.ggr）でも、CSS の linear-gradient(...) を含むテキストでもありません</source>
        <translation>Neither a GIMP gradient (.ggr) nor a text holding a CSS linear-gradient(...)</translation>
    </message>
    <message>
        <source>%1 行目に区間の数がありません</source>
        <translation>Line %1 holds no segment count</translation>
    </message>
    <message>
        <source>%1 行目: 区間が多すぎます</source>
        <translation>Line %1: too many segments</translation>
    </message>
    <message>
        <source>%1 行目の区間が正しくありません</source>
        <translation>The segment on line %1 is not valid</translation>
    </message>
    <message>
        <source>区間が %1 行目の数より少なく、ファイルが途中で切れています</source>
        <translation>Fewer segments than line %1 counts: the file is cut short</translation>
    </message>
    <message>
        <source>%1 番目の linear-gradient を読めません: %2</source>
        <translation>Cannot read linear-gradient number %1: %2</translation>
    </message>
    <message>
        <source>%1 番目の linear-gradient の %2 番目の色「%3」を読めません</source>
        <translation>Cannot read color %2 &quot;%3&quot; of linear-gradient number %1</translation>
    </message>
    <message>
        <source>%1 番目の linear-gradient の %2 番目の位置「%3」は % ではありません</source>
        <translation>Position %2 &quot;%3&quot; of linear-gradient number %1 is not a percentage</translation>
    </message>
    <message>
        <source>グラデーションが %1 個を超えています</source>
        <translation>More than %1 gradients</translation>
    </message>
    <message>
        <source>%1 個の色で近似しました（最大の差 %2/255）</source>
        <translation>Fitted into %1 colors (largest difference %2/255)</translation>
    </message>
    <message>
        <source>透明度は読み込みません</source>
        <translation>Transparency is not read</translation>
    </message>
    <message>
        <source>描画色と背景色は黒と白として読み込みました</source>
        <translation>Foreground and background colors were read as black and white</translation>
    </message>
    <message>
        <source>向きは読み込みません（テーブルは左から右）</source>
        <translation>The direction is not read (tables run left to right)</translation>
    </message>
    <message>
        <source>補間の色空間は読み込みません</source>
        <translation>The interpolation space is not read</translation>
    </message>
    <message>
        <source>中間点の指定は読み込みません</source>
        <translation>Transition hints are not read</translation>
    </message>
</context>
<context>
    <name>GradientMark</name>
    <message>
        <source>マーカー%1</source>
        <translation>Marker %1</translation>
    </message>
</context>
<context>
    <name>GradientPicker</name>
    <message>
        <source>グラデーションテーブル</source>
        <translation>Gradient table</translation>
    </message>
    <message>
        <source>グラデーション</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>編集(&amp;E)..</source>
        <translation>&amp;Edit...</translation>
    </message>
</context>
<context>
    <name>GradientTableList</name>
    <message>
        <source>スペクトラム</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>虹</source>
        <translation>Rainbow</translation>
    </message>
    <message>
        <source>黒、白</source>
        <translation>Black, white</translation>
    </message>
    <message>
        <source>白、黒</source>
        <translation>White, black</translation>
    </message>
    <message>
        <source>紫、緑、オレンジ</source>
        <translation>Purple, green, orange</translation>
    </message>
    <message>
        <source>黄色、紫、オレンジ、青</source>
        <translation>Yellow, purple, orange, blue</translation>
    </message>
    <message>
        <source>クロム</source>
        <translation>Chrome</translation>
    </message>
    <message>
        <source>銅</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>オレンジ、黄色、オレンジ</source>
        <translation>Orange, yellow, orange</translation>
    </message>
    <message>
        <source>青、黄、青</source>
        <translation>Blue, yellow, blue</translation>
    </message>
    <message>
        <source>青、赤、黄</source>
        <translation>Blue, red, yellow</translation>
    </message>
    <message>
        <source>紫、オレンジ</source>
        <translation>Purple, orange</translation>
    </message>
    <message>
        <source>赤、緑</source>
        <translation>Red, green</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>名前をつけて保存(&amp;A)</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>HTML形式でコピー(&amp;H)</source>
        <translation>Copy as &amp;HTML</translation>
    </message>
    <message>
        <source>ブラウザ1で確認(&amp;B)</source>
        <translation>View in &amp;Browser 1</translation>
    </message>
    <message>
        <source>ブラウザ2で確認</source>
        <translation>View in Browser 2</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>トピックの検索(&amp;S)...</source>
        <translation>&amp;Search for Help On...</translation>
    </message>
    <message>
        <source>ヘルプの使い方(&amp;H)</source>
        <translation>&amp;How to Use Help</translation>
    </message>
    <message>
        <source>バージョン情報&apos;(&amp;A)...</source>
        <translation>&amp;About Vellomar...</translation>
    </message>
    <message>
        <source>カラーチャート(&amp;T)</source>
        <translation>Color Char&amp;t</translation>
    </message>
    <message>
        <source>プレビュー(&amp;P)</source>
        <translation>&amp;Preview Pane</translation>
    </message>
</context>
<context>
    <name>MainBars</name>
    <message>
        <source>メニューバー</source>
        <translation>Menu Bar</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ツールバー</source>
        <translation>Toolbar</translation>
    </message>
</context>
<context>
    <name>NamedColorList</name>
    <message>
        <source>カラー定数</source>
        <translation>Color names</translation>
    </message>
</context>
<context>
    <name>OpenPictureDialog</name>
    <message>
        <source>背景グラフィック</source>
        <translation>Background Picture</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>OutputActions</name>
    <message>
        <source>名前をつけて保存</source>
        <translation>Save As</translation>
    </message>
</context>
<context>
    <name>PageBody</name>
    <message>
        <source>設定</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>カラー定数を優先</source>
        <translation>Prefer Names</translation>
    </message>
    <message>
        <source>背景グラフィック</source>
        <translation>Background Image...</translation>
    </message>
    <message>
        <source>設定色:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>設定色</source>
        <translation>Color to set</translation>
    </message>
    <message>
        <source>登録色</source>
        <translation>Saved color sets</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>背景色とのコントラスト比</source>
        <translation>Contrast ratio with the background</translation>
    </message>
    <message>
        <source>背景色とのコントラスト比（WCAG 2）: 本文は AA で 4.5:1、AAA で 7:1 以上</source>
        <translation>Contrast ratio with the background (WCAG 2): body text needs 4.5:1 for AA and 7:1 for AAA</translation>
    </message>
    <message>
        <source>画像が大きすぎて表示できません</source>
        <translation>The picture is too large to show.</translation>
    </message>
    <message>
        <source>登録名を入れてください</source>
        <translation>Enter a name for the color set:</translation>
    </message>
    <message>
        <source>背景色とのコントラスト比 %1</source>
        <translation>Contrast ratio with the background: %1</translation>
    </message>
</context>
<context>
    <name>PageColor</name>
    <message>
        <source>設定</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>カラー表記</source>
        <translation>Color notation</translation>
    </message>
    <message>
        <source>CSS・その他の表記</source>
        <translation>CSS and other notations</translation>
    </message>
    <message>
        <source>ユーザーテンプレート: %1</source>
        <translation>User template: %1</translation>
    </message>
</context>
<context>
    <name>PageRule</name>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>ウィンドウの割合</source>
        <translation>Percent of window</translation>
    </message>
    <message>
        <source>ピクセル</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>配置</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>中央</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>繰り返し</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>グラデーション適用</source>
        <translation>Apply gradient</translation>
    </message>
    <message>
        <source>塗りつぶし(影なし）</source>
        <translation>Solid (no shade)</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>グラデーションには2色以上が必要です</source>
        <translation>A gradient needs at least two colors.</translation>
    </message>
</context>
<context>
    <name>PageTable</name>
    <message>
        <source>縦:</source>
        <translation>Cols:</translation>
    </message>
    <message>
        <source>テーブルの大きさ</source>
        <translation>Table size</translation>
    </message>
    <message>
        <source>横:</source>
        <translation>Rows:</translation>
    </message>
    <message>
        <source>初期化</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>ターゲット</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>セル背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>テキスト</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>グラデーション効果</source>
        <translation>Apply Gradient</translation>
    </message>
    <message>
        <source>行ごとに左から右へ</source>
        <translation>Row by row, left to right</translation>
    </message>
    <message>
        <source>行ごとに右から左へ</source>
        <translation>Row by row, right to left</translation>
    </message>
    <message>
        <source>列ごとに上から下へ（左の列から）</source>
        <translation>Column by column, top to bottom (from the left)</translation>
    </message>
    <message>
        <source>列ごとに上から下へ（右の列から）</source>
        <translation>Column by column, top to bottom (from the right)</translation>
    </message>
    <message>
        <source>グラデーションの方向</source>
        <translation>Gradient direction</translation>
    </message>
    <message>
        <source>セル色</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>セル色を設定します</source>
        <translation>Gives the selected cells the current color</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>背景色を有効にします</source>
        <translation>Turns the table background color on</translation>
    </message>
    <message>
        <source>枠線の色</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>枠線の色を有効にします</source>
        <translation>Turns the border color on</translation>
    </message>
    <message>
        <source>枠線の明色</source>
        <translation>Light Border</translation>
    </message>
    <message>
        <source>枠線の明色を有効にします</source>
        <translation>Turns the light border color on</translation>
    </message>
    <message>
        <source>枠線の影色</source>
        <translation>Dark Border</translation>
    </message>
    <message>
        <source>枠線の影色を有効にします</source>
        <translation>Turns the dark border color on</translation>
    </message>
    <message>
        <source>テーブル</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>グラデーションには2色以上が必要です</source>
        <translation>A gradient needs at least two colors.</translation>
    </message>
    <message>
        <source>グラデーションの方向を選んでください（方向ボタンがすべてオフです）</source>
        <translation>Choose a gradient direction (every direction button is off).</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>太字</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>斜体</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>下線</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>Font name</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>グラデーションテキスト</source>
        <translation>Gradient text</translation>
    </message>
    <message>
        <source>テキスト色</source>
        <translation>Text Color</translation>
    </message>
    <message>
        <source>グラデーション効果</source>
        <translation>Apply Gradient</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background Color</translation>
    </message>
    <message>
        <source>HTML に書けない制御文字を除きました</source>
        <translation>Left out control characters that HTML cannot hold</translation>
    </message>
</context>
<context>
    <name>PageTraits</name>
    <message>
        <source>ｸﾞﾗﾃﾞｰｼｮﾝﾃｷｽﾄ</source>
        <translation>Gradient Text</translation>
    </message>
    <message>
        <source>グラデーションテキスト</source>
        <translation>Gradient Text</translation>
    </message>
    <message>
        <source>テーブル</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>ボディ</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>水平線</source>
        <translation>Horizontal Rule</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>スクリーンショットのポータルがありません</source>
        <translation>No desktop screenshot portal is available</translation>
    </message>
    <message>
        <source>スクリーンショットが拒否されました</source>
        <translation>The screenshot was refused</translation>
    </message>
    <message>
        <source>スクリーンショットを撮れませんでした</source>
        <translation>The screenshot could not be taken</translation>
    </message>
    <message>
        <source>スクリーンショットの応答がありません</source>
        <translation>The screenshot portal did not answer in time</translation>
    </message>
    <message>
        <source>スクリーンショットを読み込めませんでした</source>
        <translation>The screenshot could not be read</translation>
    </message>
</context>
<context>
    <name>SaveTarget</name>
    <message>
        <source>「%1」は通常のファイルではないので保存できません</source>
        <translation>&quot;%1&quot; is not a regular file and cannot be saved to.</translation>
    </message>
</context>
<context>
    <name>SecondColorContrast</name>
    <message>
        <source>コントラスト</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>比較する色</source>
        <translation>Color to compare with</translation>
    </message>
    <message>
        <source>CSS の色の書き方ならどれでも読めます（#RGB、名前、rgb()、hsl()、oklch() など）。</source>
        <translation>Any CSS color text is read (#RGB, a name, rgb(), hsl(), oklch() and so on).</translation>
    </message>
    <message>
        <source>比較する色(&amp;K):</source>
        <translation>Compare &amp;with:</translation>
    </message>
    <message>
        <source>履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <source>履歴から比較する色を選ぶ</source>
        <translation>Choose the color to compare with from the history</translation>
    </message>
    <message>
        <source>コントラスト比</source>
        <translation>Contrast ratio</translation>
    </message>
    <message>
        <source>コントラスト比 %1</source>
        <translation>Contrast ratio %1</translation>
    </message>
    <message>
        <source>色として読めません</source>
        <translation>Not a readable color</translation>
    </message>
    <message>
        <source>（履歴はありません）</source>
        <translation>(The history is empty)</translation>
    </message>
</context>
<context>
    <name>TInSPIAble</name>
    <message>
        <source>認識できない画像形式です</source>
        <translation>The picture format is not recognized.</translation>
    </message>
</context>
<context>
    <name>TPictureFormats</name>
    <message>
        <source>すべてのファイル</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>拡張子 .%1 の画像形式は処理できません</source>
        <translation>Pictures with the extension .%1 cannot be read.</translation>
    </message>
</context>
<context>
    <name>TQtImageDIB</name>
    <message>
        <source>認識できない画像形式です</source>
        <translation>The picture format is not recognized.</translation>
    </message>
</context>
<context>
    <name>TSPI</name>
    <message>
        <source>%1は[%2]では使えないSusie Plugin APIです</source>
        <translation>%1 is a Susie plug-in API that [%2] does not provide.</translation>
    </message>
    <message>
        <source>%1:Susie Pluginがロードできませんでした</source>
        <translation>%1: the Susie plug-in could not be loaded.</translation>
    </message>
</context>
<context>
    <name>TSingleInstance</name>
    <message>
        <source>二重起動を防ぐロックを %1 に作れないため、起動できません</source>
        <translation>Vellomar cannot start: the lock that keeps a second copy from running cannot be made in %1.</translation>
    </message>
</context>
<context>
    <name>TextGradient</name>
    <message>
        <source>グラデーションテーブルがありません</source>
        <translation>There is no gradient table.</translation>
    </message>
    <message>
        <source>グラデーションテーブルの色が2つ未満です</source>
        <translation>The gradient table has fewer than two colors.</translation>
    </message>
    <message>
        <source>テキストがありません</source>
        <translation>There is no text.</translation>
    </message>
    <message>
        <source>中止しました</source>
        <translation>Stopped.</translation>
    </message>
</context>
<context>
    <name>TfrmAboutBox</name>
    <message>
        <source>バージョン情報</source>
        <translation>About Vellomar</translation>
    </message>
    <message>
        <source>サポートページ</source>
        <translation>Support page</translation>
    </message>
    <message>
        <source>作者へのメール</source>
        <translation>Mail to the author</translation>
    </message>
</context>
<context>
    <name>TfrmGradEdit</name>
    <message>
        <source>グラデーションエディタ</source>
        <translation>Gradient Editor</translation>
    </message>
    <message>
        <source>グラデーションテーブル</source>
        <translation>Gradient tables</translation>
    </message>
    <message>
        <source>グラデーション</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>追加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>更新(&amp;U)</source>
        <translation>&amp;Update</translation>
    </message>
    <message>
        <source>削除(&amp;V)</source>
        <translation>Remo&amp;ve</translation>
    </message>
    <message>
        <source>初期値(&amp;D)</source>
        <translation>&amp;Defaults</translation>
    </message>
    <message>
        <source>登録名が重複しています</source>
        <translation>This name is already in use.</translation>
    </message>
    <message>
        <source>これ以上登録できません</source>
        <translation>No more tables can be added.</translation>
    </message>
    <message>
        <source>グラデーションテーブルを初期化してよろしいですか</source>
        <translation>Reset the gradient tables to the defaults?</translation>
    </message>
    <message>
        <source>これ以上追加できません</source>
        <translation>No more markers can be added.</translation>
    </message>
    <message>
        <source>カラーテーブルの登録</source>
        <translation>Add Gradient Table</translation>
    </message>
    <message>
        <source>登録名:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>%1 を削除してよろしいですか</source>
        <translation>Remove %1?</translation>
    </message>
    <message>
        <source>右クリックでここに色を追加します</source>
        <translation>Right-click to add a color here</translation>
    </message>
    <message>
        <source>マーカーの帯</source>
        <translation>Marker strip</translation>
    </message>
    <message>
        <source>ドラッグで移動、右クリックで色の変更、バーの外へドラッグで削除します</source>
        <translation>Drag to move, right-click to change the color, drag off the bar to remove</translation>
    </message>
    <message>
        <source>未更新の変更あり</source>
        <translation>Not updated</translation>
    </message>
    <message>
        <source>「更新」を押すとテーブルに書き込みます</source>
        <translation>Press &quot;Update&quot; to write the changes to the table</translation>
    </message>
    <message>
        <source>帯を右クリックで色を追加、マーカーを右クリックで色の変更、バーの外へドラッグで削除します。</source>
        <translation>Right-click the strip to add a color, right-click a marker to change its color, drag a marker off the bar to remove it.</translation>
    </message>
    <message>
        <source>追加した色は黒です。マーカーを右クリックして色を選んでください。</source>
        <translation>The new color is black: right-click its marker to choose its color.</translation>
    </message>
    <message>
        <source>ここに色を追加(&amp;A)</source>
        <translation>&amp;Add a color here</translation>
    </message>
    <message>
        <source>色の変更(&amp;C)...</source>
        <translation>&amp;Change color...</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>読み込み…</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>GIMP グラデーション（.ggr）や CSS の linear-gradient をテーブルとして追加します</source>
        <translation>Adds a GIMP gradient (.ggr) or a CSS linear-gradient as a table</translation>
    </message>
    <message>
        <source>ファイルから(&amp;F)…</source>
        <translation>From a &amp;file...</translation>
    </message>
    <message>
        <source>CSS テキストを貼り付けて(&amp;P)…</source>
        <translation>&amp;Paste CSS text...</translation>
    </message>
    <message>
        <source>書き出し…</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>選んだテーブルを .ggr か CSS に、全テーブルを GIMP パレット（.gpl）に書き出します</source>
        <translation>Writes the chosen table as .ggr or CSS, or every table as a GIMP palette (.gpl)</translation>
    </message>
    <message>
        <source>CSS グラデーション</source>
        <translation>CSS gradient</translation>
    </message>
    <message>
        <source>「%1」を追加しました</source>
        <translation>Added &quot;%1&quot;</translation>
    </message>
    <message>
        <source>これ以上登録できないため、%1 個のグラデーションを追加しませんでした</source>
        <translation>The list is full: %1 gradients were not added</translation>
    </message>
    <message>
        <source>書き出せるテーブルが選ばれていません</source>
        <translation>No table with colors is chosen to export</translation>
    </message>
    <message>
        <source>書き出せませんでした: %1</source>
        <translation>Could not export: %1</translation>
    </message>
    <message>
        <source>グラデーションの読み込み</source>
        <translation>Import Gradients</translation>
    </message>
    <message>
        <source>グラデーション (*.ggr *.css *.txt)</source>
        <translation>Gradients (*.ggr *.css *.txt)</translation>
    </message>
    <message>
        <source>すべてのファイル (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>CSS の linear-gradient(...):</source>
        <translation>CSS linear-gradient(...):</translation>
    </message>
    <message>
        <source>GIMP グラデーション (*.ggr)</source>
        <translation>GIMP gradient (*.ggr)</translation>
    </message>
    <message>
        <source>CSS linear-gradient (*.css)</source>
        <translation>CSS linear-gradient (*.css)</translation>
    </message>
    <message>
        <source>GIMP パレット、全テーブル (*.gpl)</source>
        <translation>GIMP palette, all tables (*.gpl)</translation>
    </message>
    <message>
        <source>グラデーションの書き出し</source>
        <translation>Export Gradient</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Vellomar について</source>
        <translation>About Vellomar</translation>
    </message>
    <message>
        <source>色を選ぶ</source>
        <translation>Choosing a Color</translation>
    </message>
    <message>
        <source>カラーチャート</source>
        <translation>Color Chart</translation>
    </message>
    <message>
        <source>グラデーションテーブル</source>
        <translation>Gradient Tables</translation>
    </message>
    <message>
        <source>コピー・保存・ブラウザで確認</source>
        <translation>Copy, Save and View in a Browser</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ヘルプの使い方</source>
        <translation>How to Use Help</translation>
    </message>
    <message>
        <source>Vellomar ヘルプ</source>
        <translation>Vellomar Help</translation>
    </message>
    <message>
        <source>キーワードを入力してください:</source>
        <translation>Type a keyword:</translation>
    </message>
    <message>
        <source>キーワード</source>
        <translation>Keywords</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>画面の色を読み取れませんでした。</source>
        <translation>The color on the screen could not be read.</translation>
    </message>
    <message>
        <source>現在の色</source>
        <translation>Current color</translation>
    </message>
    <message>
        <source>設定を保存できませんでした。</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>設定を保存できませんでした。
%1</source>
        <translation>The settings could not be saved.
%1</translation>
    </message>
</context>
<context>
    <name>TfrmOpt</name>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>フォントテーブル</source>
        <translation>Font Table</translation>
    </message>
    <message>
        <source>フォント名を &quot;,&quot;で区切ることによって、代替フォントを指定する事が出来ます。</source>
        <translation>Separate font names with &quot;,&quot; to name fallback fonts.</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>Font name</translation>
    </message>
    <message>
        <source>追加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>更新(&amp;U)</source>
        <translation>&amp;Update</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>参照(&amp;V)...</source>
        <translation>Bro&amp;wse...</translation>
    </message>
    <message>
        <source>初期化</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>テーブル</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>テーブル初期値 : (デフォルトは★）</source>
        <translation>Text of new table cells (default ★):</translation>
    </message>
    <message>
        <source>HTML文の大文字・小文字</source>
        <translation>Letter case of the HTML</translation>
    </message>
    <message>
        <source>HTMLソース内に改行を入れる</source>
        <translation>Put line breaks in the HTML source</translation>
    </message>
    <message>
        <source>ファイル保存時に有効なＨＴＭＬとする</source>
        <translation>Save files as complete HTML pages</translation>
    </message>
    <message>
        <source>カラー定数を優先する</source>
        <translation>Prefer color names</translation>
    </message>
    <message>
        <source>従来 (FONT)</source>
        <translation>Classic (FONT)</translation>
    </message>
    <message>
        <source>マークアップ形式</source>
        <translation>Markup style</translation>
    </message>
    <message>
        <source>グラデーションの補間</source>
        <translation>Gradient interpolation</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>body リストの初期化</source>
        <translation>Reset Body List</translation>
    </message>
    <message>
        <source>ブラウザの設定</source>
        <translation>Browsers</translation>
    </message>
    <message>
        <source>ブラウザの指定</source>
        <translation>Use these browsers</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>ブラウザ1のパス</source>
        <translation>Browser 1 path</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>ブラウザ2のパス</source>
        <translation>Browser 2 path</translation>
    </message>
    <message>
        <source>Plugin Folder の参照</source>
        <translation>Browse for the plugin folder</translation>
    </message>
    <message>
        <source>変更は再起動後に有効になります。</source>
        <translation>Changes take effect after a restart.</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>初期化してよろしいですか</source>
        <translation>Reset to the defaults?</translation>
    </message>
    <message>
        <source>WWWブラウザを指定</source>
        <translation>Choose a Web Browser</translation>
    </message>
    <message>
        <source>この文字列は HTML としてそのまま書かれます (例: &amp;nbsp;)。</source>
        <translation>This text goes into the HTML as it is (for example &amp;nbsp;).</translation>
    </message>
    <message>
        <source>マークアップ文字をそのまま書く</source>
        <translation>Write markup characters as typed</translation>
    </message>
    <message>
        <source>色テンプレート</source>
        <translation>Color Templates</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>書式 (例: {rgb.r:X2}{rgb.g:X2}{rgb.b:X2})</source>
        <translation>Format (e.g. {rgb.r:X2}{rgb.g:X2}{rgb.b:X2})</translation>
    </message>
    <message>
        <source>現在の色で</source>
        <translation>With the current color</translation>
    </message>
    <message>
        <source>名前が空か、名前や書式に改行などの制御文字があります。</source>
        <translation>The name is empty, or the name or the format holds a control character such as a line break.</translation>
    </message>
    <message>
        <source>同じ名前のテンプレートがあります。</source>
        <translation>There is already a template of that name.</translation>
    </message>
    <message>
        <source>テンプレートは %1 個までです。</source>
        <translation>There can be at most %1 templates.</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>CSS + グラデーション</source>
        <translation>CSS + gradients</translation>
    </message>
</context>
<context>
    <name>Tfrmchart</name>
    <message>
        <source>カラーチャート</source>
        <translation>Color Chart</translation>
    </message>
</context>
<context>
    <name>Tfrmwaitdlg</name>
    <message>
        <source>しばらくお待ちください</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
