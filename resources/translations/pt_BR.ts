<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Vidorna</source>
        <translation>Sobre o Vidorna</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peltrane Software.</source>
        <translation>Copyright © 2026 Peltrane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>BorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>Tamanho e cor da borda</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>No camera</source>
        <translation>Nenhuma câmera</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Abrindo a câmera...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Retake</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Capture video</source>
        <translation>Gravar vídeo</translation>
    </message>
    <message>
        <source>Capture still image</source>
        <translation>Tirar foto</translation>
    </message>
    <message>
        <source>Toggle Capture Type
Current: %1</source>
        <translation>Alternar tipo de captura
Atual: %1</translation>
    </message>
    <message>
        <source>Capture Error</source>
        <translation>Erro de captura</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>A gravação não foi salva.</translation>
    </message>
    <message>
        <source>Camera Error</source>
        <translation>Erro da câmera</translation>
    </message>
    <message>
        <source>Image Capture Error</source>
        <translation>Erro ao capturar imagem</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <source>Enter text here</source>
        <translation>Digite o texto aqui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Insert a Picture</source>
        <translation>Inserir uma imagem</translation>
    </message>
</context>
<context>
    <name>CommonMainWindow</name>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>CrashHandler</name>
    <message>
        <source>App crash catched!</source>
        <translation>O aplicativo travou!</translation>
    </message>
    <message>
        <source>%1: 0x%2</source>
        <translation>%1: 0x%2</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Código de erro</translation>
    </message>
    <message>
        <source>Error address</source>
        <translation>Endereço do erro</translation>
    </message>
    <message>
        <source>Crash report &apos;%1&apos; has been saved to %2</source>
        <translation>O relatório de falha &apos;%1&apos; foi salvo em %2</translation>
    </message>
    <message>
        <source>Crash Occurs</source>
        <translation>Ocorreu uma falha</translation>
    </message>
</context>
<context>
    <name>CropAreaWidget</name>
    <message>
        <source>Feathering %1%</source>
        <translation>Esfumaçado %1%</translation>
    </message>
</context>
<context>
    <name>DesktopMainWindow</name>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>540p</source>
        <translation>540p</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>Export the movie</source>
        <translation>Exportar o filme</translation>
    </message>
    <message>
        <source>Fullscreen Preview</source>
        <translation>Pré-visualização em tela cheia</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Janela principal</translation>
    </message>
    <message>
        <source>Movie configuration</source>
        <translation>Configurações do filme</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Próxima posição</translation>
    </message>
    <message>
        <source>No editing segment</source>
        <translation>Nenhum segmento em edição</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausar</translation>
    </message>
    <message>
        <source>Preview Resolution</source>
        <translation>Resolução da pré-visualização</translation>
    </message>
    <message>
        <source>Preview Scale</source>
        <translation>Escala da pré-visualização</translation>
    </message>
    <message>
        <source>Preview resolution</source>
        <translation>Resolução da pré-visualização</translation>
    </message>
    <message>
        <source>Preview scale</source>
        <translation>Escala da pré-visualização</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Posição anterior</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Salvar &amp;&amp; fechar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Media Explorer</source>
        <translation>Explorador de mídia</translation>
    </message>
    <message>
        <source>Segment Inspector</source>
        <translation>Inspetor de segmento</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segmento</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transição</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Ajuda do Vidorna</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Obter o Vidorna para smartphones</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Sobre o Vidorna</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>Recortando...</translation>
    </message>
    <message>
        <source>Editing...</source>
        <translation>Editando...</translation>
    </message>
    <message>
        <source>Drawing...</source>
        <translation>Desenhando...</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 In</source>
        <translation>%1 entrada</translation>
    </message>
    <message>
        <source>%1 Out</source>
        <translation>%1 saída</translation>
    </message>
    <message>
        <source>%1 InOut</source>
        <translation>%1 entrada e saída</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Recuo</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Elástica</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Quique</translation>
    </message>
</context>
<context>
    <name>DoneButtonEditingWidget</name>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>DrawingCommonToolsWidget</name>
    <message>
        <source>Free Pencil</source>
        <translation>Lápis livre</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>Clear Painting</source>
        <translation>Limpar desenho</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Espessura da linha</translation>
    </message>
    <message>
        <source>Straight Line</source>
        <translation>Linha reta</translation>
    </message>
    <message>
        <source>Rectangle Outline</source>
        <translation>Contorno de retângulo</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Retângulo preenchido</translation>
    </message>
    <message>
        <source>Round Rectangle Outline</source>
        <translation>Contorno de retângulo arredondado</translation>
    </message>
    <message>
        <source>Filled Round Rectangle</source>
        <translation>Retângulo arredondado preenchido</translation>
    </message>
    <message>
        <source>Circle Outline</source>
        <translation>Contorno de círculo</translation>
    </message>
    <message>
        <source>Filled Circle</source>
        <translation>Círculo preenchido</translation>
    </message>
    <message>
        <source>Ellipse Outline</source>
        <translation>Contorno de elipse</translation>
    </message>
    <message>
        <source>Filled Ellipse</source>
        <translation>Elipse preenchida</translation>
    </message>
    <message>
        <source>Triangle Outline</source>
        <translation>Contorno de triângulo</translation>
    </message>
    <message>
        <source>Filled Triangle</source>
        <translation>Triângulo preenchido</translation>
    </message>
    <message>
        <source>Rhombus Outline</source>
        <translation>Contorno de losango</translation>
    </message>
    <message>
        <source>Filled Rhombus</source>
        <translation>Losango preenchido</translation>
    </message>
    <message>
        <source>Pentagram Outline</source>
        <translation>Contorno de estrela</translation>
    </message>
    <message>
        <source>Filled Pentagram</source>
        <translation>Estrela preenchida</translation>
    </message>
    <message>
        <source>Pentagon Outline</source>
        <translation>Contorno de pentágono</translation>
    </message>
    <message>
        <source>Filled Pentagon</source>
        <translation>Pentágono preenchido</translation>
    </message>
    <message>
        <source>Heart Outline</source>
        <translation>Contorno de coração</translation>
    </message>
    <message>
        <source>Filled Heart</source>
        <translation>Coração preenchido</translation>
    </message>
    <message>
        <source>Save to Album</source>
        <translation>Salvar no álbum</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Inserir texto</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Inserir imagem</translation>
    </message>
    <message>
        <source>Stroke Hardness</source>
        <translation>Dureza do traço</translation>
    </message>
    <message>
        <source>Linear Gradient</source>
        <translation>Gradiente linear</translation>
    </message>
    <message>
        <source>Radial Gradient</source>
        <translation>Gradiente radial</translation>
    </message>
    <message>
        <source>Switch between pencil and eraser</source>
        <translation>Alternar entre lápis e borracha</translation>
    </message>
    <message>
        <source>Dashed Line</source>
        <translation>Linha tracejada</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Linha pontilhada</translation>
    </message>
    <message>
        <source>Arrow Line</source>
        <translation>Seta</translation>
    </message>
</context>
<context>
    <name>DrawingTuningWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Select picture</source>
        <translation>Selecionar imagem</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Tamanho da imagem</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Change text</source>
        <translation>Alterar texto</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>Alinhamento do texto</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>Fonte do texto</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Espessura da linha</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureza</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Tamanho da imagem</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidget</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidgetController</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Desenho livre</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Editar desenho</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Change Photo</source>
        <translation>Trocar foto</translation>
    </message>
</context>
<context>
    <name>EditableGradientWidget</name>
    <message>
        <source>Choose Color</source>
        <translation>Escolher cor</translation>
    </message>
    <message>
        <source>No Color</source>
        <translation>Sem cor</translation>
    </message>
</context>
<context>
    <name>FullscreenControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Posição anterior</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausar</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Próxima posição</translation>
    </message>
    <message>
        <source>Exit fullscreen</source>
        <translation>Sair da tela cheia</translation>
    </message>
</context>
<context>
    <name>GeometryEditingWidget</name>
    <message>
        <source>Geometry</source>
        <translation>Geometria</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>W</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>H</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Girar no sentido horário</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Girar no sentido anti-horário</translation>
    </message>
    <message>
        <source>Crop &amp; Feathering</source>
        <translation>Cortar e suavizar bordas</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Espelhar horizontalmente</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Espelhar verticalmente</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Manter proporção</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Restaurar o padrão</translation>
    </message>
    <message>
        <source>Perspective (Four-point positioning)</source>
        <translation>Perspectiva (posicionamento de quatro pontos)</translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation>Canto superior esquerdo</translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation>Canto superior direito</translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation>Canto inferior direito</translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation>Canto inferior esquerdo</translation>
    </message>
</context>
<context>
    <name>GiphyGifsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Search GIPHY</source>
        <translation>Pesquisar no GIPHY</translation>
    </message>
    <message>
        <source>Network error (code=%1)</source>
        <translation>Erro de rede (código=%1)</translation>
    </message>
    <message>
        <source>Network error (code=%1 %2)</source>
        <translation>Erro de rede (código=%1 %2)</translation>
    </message>
    <message>
        <source>Network failed (Status code=%1)</source>
        <translation>Falha de rede (código de status=%1)</translation>
    </message>
    <message>
        <source>Parse data error (code=%1)</source>
        <translation>Erro ao analisar os dados (código=%1)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Downloading file...</source>
        <translation>Baixando arquivo...</translation>
    </message>
    <message>
        <source>Download error (code=%1)</source>
        <translation>Erro de download (código=%1)</translation>
    </message>
</context>
<context>
    <name>HorizontalMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Show pictures only</source>
        <translation>Mostrar somente imagens</translation>
    </message>
    <message>
        <source>Show videos only</source>
        <translation>Mostrar somente vídeos</translation>
    </message>
    <message>
        <source>Show music only</source>
        <translation>Mostrar somente músicas</translation>
    </message>
    <message>
        <source>Show media from the system Photos and Music app</source>
        <translation>Mostrar mídia dos apps Fotos e Música do sistema</translation>
    </message>
    <message>
        <source>Show media from the In-App Library</source>
        <translation>Mostrar mídia da biblioteca integrada</translation>
    </message>
    <message>
        <source>Show media from the Local Files (iTunes File Sharing) folder</source>
        <translation>Mostrar mídia da pasta Arquivos locais (Compartilhamento de Arquivos do iTunes)</translation>
    </message>
</context>
<context>
    <name>LocalFilesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmes</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Directory not found</source>
        <translation>Pasta não encontrada</translation>
    </message>
    <message>
        <source>Select Directory...</source>
        <translation>Selecionar pasta...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <source>Icon Mode</source>
        <translation>Modo ícones</translation>
    </message>
    <message>
        <source>List Mode</source>
        <translation>Modo lista</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <translation>Mostrar no explorador de arquivos</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Manter proporção</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Restaurar o padrão</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Preencher a tela</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Tamanho original</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Editar desenho</translation>
    </message>
    <message>
        <source>Editing properties applied to all %1 segments</source>
        <translation>Propriedades de edição aplicadas a todos os segmentos de %1</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>image</source>
        <translation>imagem</translation>
    </message>
    <message>
        <source>self-draw</source>
        <translation>desenho</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>music</source>
        <translation>música</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>voz</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Enter Range Selection</source>
        <translation>Iniciar seleção de intervalo</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwite Mode</source>
        <translation>Alternar modo inserir/sobrescrever</translation>
    </message>
    <message>
        <source>Finish Editing</source>
        <translation>Concluir edição</translation>
    </message>
    <message>
        <source>Edit Transitions</source>
        <translation>Editar transições</translation>
    </message>
    <message>
        <source>Finish Editing Transitions</source>
        <translation>Concluir edição de transições</translation>
    </message>
    <message>
        <source>Cancel Range Selection</source>
        <translation>Cancelar seleção de intervalo</translation>
    </message>
    <message>
        <source>Overwrite Mode On</source>
        <translation>Modo sobrescrever ativado</translation>
    </message>
    <message>
        <source>Insert Mode On</source>
        <translation>Modo inserir ativado</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Overwrite mode</source>
        <translation>Alternar modo inserir/sobrescrever
Atual: modo sobrescrever</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Insert mode</source>
        <translation>Alternar modo inserir/sobrescrever
Atual: modo inserir</translation>
    </message>
    <message>
        <source>Unable to undo temporarily</source>
        <translation>Não é possível desfazer no momento</translation>
    </message>
    <message>
        <source>Unable to redo temporarily</source>
        <translation>Não é possível refazer no momento</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Alternar tela cheia</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Adicionar arquivo...</translation>
    </message>
    <message>
        <source>Add from Camera...</source>
        <translation>Adicionar da câmera...</translation>
    </message>
    <message>
        <source>Add from Microphone...</source>
        <translation>Adicionar do microfone...</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <source>Add Self-Draw</source>
        <translation>Adicionar desenho</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Adicionar transição</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Edit Transition</source>
        <translation>Editar transição</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausar</translation>
    </message>
    <message>
        <source>Next Position</source>
        <translation>Próxima posição</translation>
    </message>
    <message>
        <source>Previous Position</source>
        <translation>Posição anterior</translation>
    </message>
    <message>
        <source>Export &amp;&amp; Share</source>
        <translation>Exportar &amp;&amp; compartilhar</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <translation>Configuração...</translation>
    </message>
    <message>
        <source>Open properties error occurs (%1)</source>
        <translation>Erro ao abrir as propriedades (%1)</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Abrindo...</translation>
    </message>
    <message>
        <source>Open project error occurs (%1)</source>
        <translation>Erro ao abrir o projeto (%1)</translation>
    </message>
    <message>
        <source>Convert Project Failed</source>
        <translation>Falha ao converter o projeto</translation>
    </message>
    <message>
        <source>Open Project Failed</source>
        <translation>Falha ao abrir o projeto</translation>
    </message>
    <message>
        <source>Current movie project is damaged.</source>
        <translation>O projeto de vídeo atual está danificado.</translation>
    </message>
    <message>
        <source>Higher Version Project</source>
        <translation>Projeto de versão superior</translation>
    </message>
    <message>
        <source>Vidorna can not open the higher version movie project. Please update Vidorna to the latest version.</source>
        <translation>O Vidorna não pode abrir um projeto de vídeo de versão superior. Atualize o Vidorna para a versão mais recente.</translation>
    </message>
    <message>
        <source>Failed to save movie</source>
        <translation>Falha ao salvar o vídeo</translation>
    </message>
    <message>
        <source>The movie project cannot be read: %1</source>
        <translation>Não é possível ler o projeto de filme: %1</translation>
    </message>
    <message>
        <source>The changes could not be saved: %1</source>
        <translation>Não foi possível salvar as alterações: %1</translation>
    </message>
    <message>
        <source>If you close without saving, the changes are lost. Keep the window open to try again.</source>
        <translation>Se você fechar sem salvar, as alterações serão perdidas. Mantenha a janela aberta para tentar novamente.</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>Manter aberta</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Fechar sem salvar</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Erro de carregamento</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>No audio contained</source>
        <translation>Não contém áudio</translation>
    </message>
    <message>
        <source>Failed to record operation</source>
        <translation>Falha ao registrar a operação</translation>
    </message>
    <message>
        <source>No operation to undo</source>
        <translation>Nenhuma operação para desfazer</translation>
    </message>
    <message>
        <source>No operation to redo</source>
        <translation>Nenhuma operação para refazer</translation>
    </message>
    <message>
        <source>The operation to undo could not be read</source>
        <translation>Não foi possível ler a operação a desfazer</translation>
    </message>
    <message>
        <source>The operation to redo could not be read</source>
        <translation>Não foi possível ler a operação a refazer</translation>
    </message>
    <message>
        <source>Edits that could not be recorded were undone too</source>
        <translation>As edições que não puderam ser registradas também foram desfeitas</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Central de ajuda</translation>
    </message>
    <message>
        <source>Custom Transition</source>
        <translation>Transição personalizada</translation>
    </message>
    <message>
        <source>Fade In &amp;&amp; Fade Out</source>
        <translation>Aparecer &amp;&amp; Desaparecer</translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation>Aparecer</translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation>Desaparecer</translation>
    </message>
    <message>
        <source>Left In &amp;&amp; Right Out</source>
        <translation>Entrar pela esquerda &amp;&amp; Sair pela direita</translation>
    </message>
    <message>
        <source>Right In &amp;&amp; Left Out</source>
        <translation>Entrar pela direita &amp;&amp; Sair pela esquerda</translation>
    </message>
    <message>
        <source>Left In</source>
        <translation>Entrar pela esquerda</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>Sair pela esquerda</translation>
    </message>
    <message>
        <source>Right In</source>
        <translation>Entrar pela direita</translation>
    </message>
    <message>
        <source>Right Out</source>
        <translation>Sair pela direita</translation>
    </message>
    <message>
        <source>Up In &amp;&amp; Down Out</source>
        <translation>Entrar por cima &amp;&amp; Sair por baixo</translation>
    </message>
    <message>
        <source>Down In &amp;&amp; Up Out</source>
        <translation>Entrar por baixo &amp;&amp; Sair por cima</translation>
    </message>
    <message>
        <source>Up In</source>
        <translation>Entrar por cima</translation>
    </message>
    <message>
        <source>Up Out</source>
        <translation>Sair por cima</translation>
    </message>
    <message>
        <source>Down In</source>
        <translation>Entrar por baixo</translation>
    </message>
    <message>
        <source>Down Out</source>
        <translation>Sair por baixo</translation>
    </message>
    <message>
        <source>Shrink In &amp;&amp; Shrink Out</source>
        <translation>Encolher ao entrar &amp;&amp; Encolher ao sair</translation>
    </message>
    <message>
        <source>Grow In &amp;&amp; Grow Out</source>
        <translation>Crescer ao entrar &amp;&amp; Crescer ao sair</translation>
    </message>
    <message>
        <source>Shrink In</source>
        <translation>Encolher ao entrar</translation>
    </message>
    <message>
        <source>Shrink Out</source>
        <translation>Encolher ao sair</translation>
    </message>
    <message>
        <source>Grow In</source>
        <translation>Crescer ao entrar</translation>
    </message>
    <message>
        <source>Grow Out</source>
        <translation>Crescer ao sair</translation>
    </message>
    <message>
        <source>Open In &amp;&amp; Close Out</source>
        <translation>Abrir ao entrar &amp;&amp; Fechar ao sair</translation>
    </message>
    <message>
        <source>Open In</source>
        <translation>Abrir ao entrar</translation>
    </message>
    <message>
        <source>Close Out</source>
        <translation>Fechar ao sair</translation>
    </message>
    <message>
        <source>Wipe In &amp;&amp; Wipe Out</source>
        <translation>Revelar ao entrar &amp;&amp; Ocultar ao sair</translation>
    </message>
    <message>
        <source>Wipe In</source>
        <translation>Revelar ao entrar</translation>
    </message>
    <message>
        <source>Wipe Out</source>
        <translation>Ocultar ao sair</translation>
    </message>
    <message>
        <source>No enough space for another transition</source>
        <translation>Não há espaço para outra transição</translation>
    </message>
    <message>
        <source>Easing type applied to all transitions</source>
        <translation>Tipo de suavização aplicado a todas as transições</translation>
    </message>
    <message>
        <source>Move timeline to the position to split</source>
        <translation>Mova a linha do tempo até a posição de divisão</translation>
    </message>
    <message>
        <source>How to deal with the existing transition(s)?</source>
        <translation>O que fazer com as transições existentes?</translation>
    </message>
    <message>
        <source>Duplicate and shorten the transition(s)</source>
        <translation>Duplicar e encurtar as transições</translation>
    </message>
    <message>
        <source>Don&apos;t shorten the transition(s)</source>
        <translation>Não encurtar as transições</translation>
    </message>
    <message>
        <source>Move timeline to the position to grab image</source>
        <translation>Mova a linha do tempo até a posição da captura</translation>
    </message>
    <message>
        <source>Save image failed</source>
        <translation>Falha ao salvar a imagem</translation>
    </message>
    <message>
        <source>Image saved to Pictures successfully</source>
        <translation>Imagem salva em Imagens com sucesso</translation>
    </message>
    <message>
        <source>Please wait a moment</source>
        <translation>Aguarde um momento</translation>
    </message>
    <message>
        <source>No content to export</source>
        <translation>Nenhum conteúdo para exportar</translation>
    </message>
    <message>
        <source>The preview did not stop in time. Please try again.</source>
        <translation>A pré-visualização não parou a tempo. Tente novamente.</translation>
    </message>
    <message>
        <source>Create video failed</source>
        <translation>Falha ao criar o vídeo</translation>
    </message>
    <message>
        <source>The movie cannot be saved in &quot;%1&quot; because that folder cannot be written to. Please choose another location.</source>
        <translation>Não é possível salvar o filme em &quot;%1&quot; porque não é possível gravar nessa pasta. Escolha outro local.</translation>
    </message>
    <message>
        <source>The movie file could not be created in &quot;%1&quot;. Please make sure that this folder can be written to and that the disk has free space.</source>
        <translation>Não foi possível criar o arquivo do filme em &quot;%1&quot;. Verifique se é possível gravar nessa pasta e se há espaço livre no disco.</translation>
    </message>
    <message>
        <source>The movie could not be finished in &quot;%1&quot; because its unfinished file was moved or replaced while it was written. Please export it again.</source>
        <translation>Não foi possível concluir o filme em &quot;%1&quot; porque o arquivo inacabado foi movido ou substituído enquanto era gravado. Exporte-o novamente.</translation>
    </message>
    <message>
        <source>The movie could not be saved as &quot;%1&quot; because another file took that name while the movie was written. That file was left as it is: please move it away and export again.</source>
        <translation>Não foi possível salvar o filme como &quot;%1&quot; porque outro arquivo assumiu esse nome enquanto o filme era gravado. Esse arquivo foi mantido como está: mova-o para outro lugar e exporte novamente.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because the disk is full. Please free some space on that disk and export again.</source>
        <translation>Não foi possível gravar o filme em &quot;%1&quot; porque o disco está cheio. Libere espaço nesse disco e exporte novamente.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because that folder can no longer be written to. Please make sure that it can be written to and export again.</source>
        <translation>Não foi possível gravar o filme em &quot;%1&quot; porque não é mais possível gravar nessa pasta. Verifique se é possível gravar nela e exporte novamente.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because that folder cannot be written to. Please choose another location and export again.</source>
        <translation>Não foi possível copiar o filme para &quot;%1&quot; porque não é possível gravar nessa pasta. Escolha outro local e exporte novamente.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because the disk is full. Please free some space on that disk or choose another location, and export again.</source>
        <translation>Não foi possível copiar o filme para &quot;%1&quot; porque o disco está cheio. Libere espaço nesse disco ou escolha outro local e exporte novamente.</translation>
    </message>
    <message>
        <source>Export canceled</source>
        <translation>Exportação cancelada</translation>
    </message>
    <message>
        <source>Export Interrupted</source>
        <translation>Exportação interrompida</translation>
    </message>
    <message>
        <source>Do you want to cancel the exporting?</source>
        <translation>Deseja cancelar a exportação?</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Salvando...</translation>
    </message>
    <message>
        <source>Color settings applied to all %1 segments</source>
        <translation>Configurações de cor aplicadas a todos os segmentos de %1</translation>
    </message>
    <message>
        <source>Copy file failed</source>
        <translation>Falha ao copiar o arquivo</translation>
    </message>
    <message>
        <source>Audio from %1</source>
        <translation>Áudio de %1</translation>
    </message>
    <message>
        <source>media</source>
        <translation>de mídia</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>de imagem</translation>
    </message>
    <message>
        <source>All media files (*.*)</source>
        <translation>Todos os arquivos de mídia (*.*)</translation>
    </message>
    <message>
        <source>Choose %1 file to added into the current movie</source>
        <translation>Escolha um arquivo %1 para adicionar ao filme atual</translation>
    </message>
    <message>
        <source>Extract Audio</source>
        <translation>Extrair áudio</translation>
    </message>
    <message>
        <source>Copying file...</source>
        <translation>Copiando arquivo...</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Ocorreu um erro</translation>
    </message>
    <message>
        <source>Cannot move the captured photo file</source>
        <translation>Não é possível mover o arquivo da foto capturada</translation>
    </message>
    <message>
        <source>Cannot move the captured video file</source>
        <translation>Não é possível mover o arquivo do vídeo gravado</translation>
    </message>
    <message>
        <source>Failed to open SRT file</source>
        <translation>Falha ao abrir o arquivo SRT</translation>
    </message>
    <message>
        <source>No valid subtitles found in SRT file</source>
        <translation>Nenhuma legenda válida encontrada no arquivo SRT</translation>
    </message>
    <message>
        <source>Successfully imported %1 subtitles from SRT file</source>
        <translation>%1 legendas importadas do arquivo SRT</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>Adicionar mídia</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Adicionar vídeo</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Adicionar imagem</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Adicionar música</translation>
    </message>
    <message>
        <source>Cannot move the recorded sound file</source>
        <translation>Não é possível mover o arquivo de som gravado</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Salvar como imagem</translation>
    </message>
    <message>
        <source>Portable Network Graphics files (*.png)</source>
        <translation>Arquivos PNG (*.png)</translation>
    </message>
    <message>
        <source>Saved OK</source>
        <translation>Salvo com sucesso</translation>
    </message>
    <message>
        <source>Save painting failed</source>
        <translation>Falha ao salvar o desenho</translation>
    </message>
</context>
<context>
    <name>MediaExplorerHelpTipWidget</name>
    <message>
        <source>You can drag a footage from the Media Explorer and drop it directly at the desired location on a track.</source>
        <translation>Você pode arrastar um clipe do Explorador de mídia e soltá-lo diretamente no local desejado de uma faixa.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendi</translation>
    </message>
</context>
<context>
    <name>MediaExplorerWidget</name>
    <message>
        <source>Ambience</source>
        <translation>Ambiente</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Pessoas</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Musical</source>
        <translation>Musicais</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transições</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veículos</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Animais</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Festa</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Amor</translation>
    </message>
    <message>
        <source>Comic Words</source>
        <translation>Onomatopeias</translation>
    </message>
</context>
<context>
    <name>MediaPreviewControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>Fechar pré-visualização</translation>
    </message>
</context>
<context>
    <name>MediaPreviewWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
</context>
<context>
    <name>NativeWebBrowserWidget</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New Version</source>
        <translation>Nova versão</translation>
    </message>
    <message>
        <source>A new version of Vidorna is available.</source>
        <translation>Uma nova versão do Vidorna está disponível.</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Versão atual</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nova versão</translation>
    </message>
    <message>
        <source>Download new version</source>
        <translation>Baixar a nova versão</translation>
    </message>
    <message>
        <source>See what&apos;s new</source>
        <translation>Ver as novidades</translation>
    </message>
</context>
<context>
    <name>PitchEditingWidgetController</name>
    <message>
        <source>Pitch</source>
        <translation>Tom</translation>
    </message>
</context>
<context>
    <name>PopupChromaKeyWidget</name>
    <message>
        <source>Chroma Key</source>
        <translation>Chroma key</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidade</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavização</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ligar/Desligar</translation>
    </message>
    <message>
        <source>Key Color</source>
        <translation>Cor-chave</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>Restaurar valores padrão</translation>
    </message>
</context>
<context>
    <name>PopupColorMatrixWidget</name>
    <message>
        <source>Recently Used Colors</source>
        <translation>Cores usadas recentemente</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Mais cores...</translation>
    </message>
    <message>
        <source>Pick color from preview</source>
        <translation>Capturar cor da pré-visualização</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidget</name>
    <message>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturação</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposição</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Schemes</source>
        <translation>Esquemas</translation>
    </message>
    <message>
        <source>Save as Scheme...</source>
        <translation>Salvar como esquema...</translation>
    </message>
    <message>
        <source>Manage...</source>
        <translation>Gerenciar...</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Aplicar a todos os segmentos</translation>
    </message>
    <message>
        <source>Save as Scheme</source>
        <translation>Salvar como esquema</translation>
    </message>
    <message>
        <source>Enter scheme name</source>
        <translation>Digite o nome do esquema</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Color scheme saved</source>
        <translation>Esquema de cores salvo</translation>
    </message>
    <message>
        <source>Cannot save the color scheme</source>
        <translation>Não foi possível salvar o esquema de cores</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Remove Scheme</source>
        <translation>Remover esquema</translation>
    </message>
    <message>
        <source>Do you really want to remove scheme &quot;%1&quot;?</source>
        <translation>Deseja mesmo remover o esquema "%1"?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove scheme failed</source>
        <translation>Falha ao remover o esquema</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidgetEditItemWidget</name>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>PopupEasingFunctionsWidget</name>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrada e saída</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Recuo</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Elástica</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Quique</translation>
    </message>
    <message>
        <source>Easing Type</source>
        <translation>Tipo de suavização</translation>
    </message>
    <message>
        <source>Apply to all transitions</source>
        <translation>Aplicar a todas as transições</translation>
    </message>
</context>
<context>
    <name>PopupMediaTypeSelectionWidget</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Choose File...</source>
        <translation>Escolher arquivo...</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmera</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Desenhar</translation>
    </message>
</context>
<context>
    <name>PopupMicrophoneWidget</name>
    <message>
        <source>No microphone</source>
        <translation>Nenhum microfone</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The temporary folder for the recording cannot be found.</source>
        <translation>A pasta temporária da gravação não foi encontrada.</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Ocorreu um erro</translation>
    </message>
    <message>
        <source>The recording holds no sound.</source>
        <translation>A gravação não contém som.</translation>
    </message>
    <message>
        <source>The recording could not be finished, so it was not added.</source>
        <translation>Não foi possível concluir a gravação, por isso ela não foi adicionada.</translation>
    </message>
</context>
<context>
    <name>PopupMovieExportingWidget</name>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec de vídeo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Exporting movie...</source>
        <translation>Exportando filme...</translation>
    </message>
    <message>
        <source>Please do not exit Vidorna or lock the computer.</source>
        <translation>Não feche o Vidorna nem bloqueie o computador.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Falha na exportação</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Current movie has been exported successfully</source>
        <translation>O filme foi exportado com sucesso</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>SD - 360P</source>
        <translation>SD - 360P</translation>
    </message>
    <message>
        <source>SD - 540P</source>
        <translation>SD - 540P</translation>
    </message>
    <message>
        <source>HD - 720P</source>
        <translation>HD - 720P</translation>
    </message>
    <message>
        <source>Full HD - 1080P</source>
        <translation>Full HD - 1080P</translation>
    </message>
    <message>
        <source>Quad HD - 2K</source>
        <translation>Quad HD - 2K</translation>
    </message>
    <message>
        <source>Ultra HD - 4K</source>
        <translation>Ultra HD - 4K</translation>
    </message>
    <message>
        <source>Export &amp; Share</source>
        <translation>Exportar e compartilhar</translation>
    </message>
    <message>
        <source>Select save directory</source>
        <translation>Selecione a pasta de destino</translation>
    </message>
    <message>
        <source>Estimated time remaining - %1</source>
        <translation>Tempo restante estimado - %1</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1 bytes (%2)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
</context>
<context>
    <name>PopupProjectSettingsWidget</name>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>Showcase</source>
        <translation>Apresentação</translation>
    </message>
    <message>
        <source>Fixed Cover Image</source>
        <translation>Capa fixa</translation>
    </message>
    <message>
        <source>Display fixed cover image in Movies page</source>
        <translation>Exibir a capa fixa na página de filmes</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisagem</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Frames Per Second</source>
        <translation>Quadros por segundo</translation>
    </message>
</context>
<context>
    <name>PopupTransitionsListWidget</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Adicionar transição</translation>
    </message>
</context>
<context>
    <name>ProgressHUD</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>ProjectFoldersPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Criar uma nova pasta</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmes</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Mover para %1</translation>
    </message>
    <message>
        <source>Copy to %1</source>
        <translation>Copiar para %1</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Digite o nome da pasta</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>Ocorreu um erro ao criar a pasta</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Nome inválido</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Um nome não pode ser vazio, &quot;.&quot; ou &quot;..&quot;, nem conter &quot;/&quot;.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Falha ao renomear</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Já existe um item chamado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>Falha ao criar a pasta</translation>
    </message>
</context>
<context>
    <name>ProjectLoader</name>
    <message>
        <source>&quot;%1&quot; was written by a higher version of Vidorna</source>
        <translation>&quot;%1&quot; foi gravado por uma versão superior do Vidorna</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and archive again.</source>
        <translation>&quot;%1&quot; não é um arquivo de projeto do Vidorna. Mova-o para outro lugar e arquive novamente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and save again.</source>
        <translation>&quot;%1&quot; não é um arquivo de projeto do Vidorna. Mova-o para outro lugar e salve novamente.</translation>
    </message>
</context>
<context>
    <name>ProjectXml</name>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot; não é um arquivo comum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that leads nowhere</source>
        <translation>&quot;%1&quot; é um link que não leva a lugar nenhum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>Não é possível gravar &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>ProjectsListWidget</name>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Delete current movie project</source>
        <translation>Excluir o projeto de filme atual</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Rename current movie project</source>
        <translation>Renomear o projeto de filme atual</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Duplicate current movie project</source>
        <translation>Duplicar o projeto de filme atual</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Arquivar</translation>
    </message>
    <message>
        <source>Archive current movie project</source>
        <translation>Arquivar o projeto de filme atual</translation>
    </message>
    <message>
        <source>Select an output directory</source>
        <translation>Selecione uma pasta de destino</translation>
    </message>
    <message>
        <source>Archiving project...</source>
        <translation>Arquivando projeto...</translation>
    </message>
    <message>
        <source>Archive Project Failed</source>
        <translation>Falha ao arquivar o projeto</translation>
    </message>
    <message>
        <source>Insufficient Space</source>
        <translation>Espaço insuficiente</translation>
    </message>
    <message>
        <source>Archive Project Completed</source>
        <translation>Projeto arquivado</translation>
    </message>
    <message>
        <source>Select an archive to import</source>
        <translation>Selecione um arquivo para importar</translation>
    </message>
    <message>
        <source>Vidorna Project File (*.vidornaproject)</source>
        <translation>Arquivo de projeto do Vidorna (*.vidornaproject)</translation>
    </message>
    <message>
        <source>Importing archive...</source>
        <translation>Importando arquivo...</translation>
    </message>
    <message>
        <source>There&apos;s not enough storage space to import this archive. About %1 more space is needed.</source>
        <translation>Não há espaço suficiente para importar este arquivo. São necessários cerca de %1 a mais.</translation>
    </message>
    <message>
        <source>Import Completed</source>
        <translation>Importação concluída</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Falha na importação</translation>
    </message>
    <message>
        <source>Import archive error occurs (%1)</source>
        <translation>Ocorreu um erro ao importar o arquivo (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Nome inválido</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Um nome não pode ser vazio, &quot;.&quot; ou &quot;..&quot;, nem conter &quot;/&quot;.</translation>
    </message>
    <message>
        <source>Movie In Use</source>
        <translation>Filme em uso</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in the editor. Close the movie first.</source>
        <translation>&quot;%1&quot; está aberto no editor. Feche o filme primeiro.</translation>
    </message>
    <message>
        <source>New Movie %1</source>
        <translation>Novo filme %1</translation>
    </message>
    <message>
        <source>New Movie</source>
        <translation>Novo filme</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Enter project name</source>
        <translation>Digite o nome do projeto</translation>
    </message>
    <message>
        <source>Failed to create movie file</source>
        <translation>Não foi possível criar o arquivo do filme</translation>
    </message>
    <message>
        <source>The named movie already exists</source>
        <translation>Já existe um filme com esse nome</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Digite o nome da pasta</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>Falha ao criar a pasta</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Já existe um item chamado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>Ocorreu um erro ao criar a pasta</translation>
    </message>
    <message>
        <source>Rename Item</source>
        <translation>Renomear item</translation>
    </message>
    <message>
        <source>Enter item name</source>
        <translation>Digite o nome do item</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Falha ao renomear</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Falha ao renomear</translation>
    </message>
    <message>
        <source>%1 Copy %2</source>
        <translation>%1 cópia %2</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 cópia</translation>
    </message>
    <message>
        <source>Duplicate Movie</source>
        <translation>Duplicar filme</translation>
    </message>
    <message>
        <source>Enter movie name</source>
        <translation>Digite o nome do filme</translation>
    </message>
    <message>
        <source>Failed to duplicate movie</source>
        <translation>Não foi possível duplicar o filme</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Remover item</translation>
    </message>
    <message>
        <source>Do you really want to remove item &quot;%1&quot;?</source>
        <translation>Deseja realmente remover o item &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Remove Item(s)</source>
        <translation>Remover itens</translation>
    </message>
    <message>
        <source>Do you really want to remove %1 item(s)?</source>
        <translation>Deseja realmente remover %1 item(ns)?</translation>
    </message>
    <message>
        <source>Failed to remove the item(s)</source>
        <translation>Não foi possível remover o(s) item(ns)</translation>
    </message>
    <message>
        <source>Copying items...</source>
        <translation>Copiando itens...</translation>
    </message>
    <message>
        <source>Moving items...</source>
        <translation>Movendo itens...</translation>
    </message>
    <message>
        <source>Failed to move movie</source>
        <translation>Não foi possível mover o filme</translation>
    </message>
    <message>
        <source>%1 item(s) copied</source>
        <translation>%1 item(ns) copiado(s)</translation>
    </message>
    <message>
        <source>%1 item(s) moved</source>
        <translation>%1 item(ns) movido(s)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a folder elsewhere. It is kept, so that what that folder holds is not removed with it.</source>
        <translation>&quot;%1&quot; é um link para uma pasta em outro lugar. Ele é mantido para que o conteúdo dessa pasta não seja removido junto.</translation>
    </message>
</context>
<context>
    <name>ProjectsWidget</name>
    <message>
        <source>Movies</source>
        <translation>Filmes</translation>
    </message>
    <message>
        <source>Open Movie Failed</source>
        <translation>Falha ao abrir o filme</translation>
    </message>
    <message>
        <source>This movie is damaged, you cannot open it.</source>
        <translation>Este filme está danificado, não é possível abri-lo.</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Falha ao abrir</translation>
    </message>
    <message>
        <source>This project cannot be opened at this time.</source>
        <translation>Este projeto não pode ser aberto no momento.</translation>
    </message>
    <message>
        <source>Failed to open project file</source>
        <translation>Falha ao abrir o arquivo do projeto</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>Importar projeto</translation>
    </message>
    <message>
        <source>Do you want to import project &quot;%1&quot; into Vidorna?</source>
        <translation>Deseja importar o projeto &quot;%1&quot; para o Vidorna?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Import project</source>
        <translation>Importar projeto</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Criar uma nova pasta</translation>
    </message>
    <message>
        <source>Copy selected items to folder</source>
        <translation>Copiar os itens selecionados para a pasta</translation>
    </message>
    <message>
        <source>Move selected items to folder</source>
        <translation>Mover os itens selecionados para a pasta</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Excluir os itens selecionados</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(%1 Items)</source>
        <translation>(%1 itens)</translation>
    </message>
    <message>
        <source>(1 Item)</source>
        <translation>(1 item)</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vazia)</translation>
    </message>
</context>
<context>
    <name>ResourceAssetsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>RoundCornerEditingWidgetController</name>
    <message>
        <source>Round Corner</source>
        <translation>Cantos arredondados</translation>
    </message>
</context>
<context>
    <name>SegmentDraggingOperationWidget</name>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>SegmentInspectorWidget</name>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Add/Edit Transition</source>
        <translation>Adicionar/editar transição</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Aplicar a todos os segmentos</translation>
    </message>
</context>
<context>
    <name>SegmentOperationDoubleTapTipWidget</name>
    <message>
        <source>Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.</source>
        <translation>Clique duas vezes em um segmento para entrar no modo de edição e clique duas vezes novamente para sair dele.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendi</translation>
    </message>
</context>
<context>
    <name>SegmentOperationPressAndDragTipWidget</name>
    <message>
        <source>Press and hold on a segment till the yellow frame appears, then you can drag it to the place you want.</source>
        <translation>Mantenha pressionado um segmento até aparecer a moldura amarela e depois arraste-o para onde quiser.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendi</translation>
    </message>
</context>
<context>
    <name>SelectionOperationWidget</name>
    <message>
        <source>Cancel selection</source>
        <translation>Cancelar seleção</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>Inserir espaço vazio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Video Editor UI Layout</source>
        <translation>Layout da interface do editor de vídeo</translation>
    </message>
    <message>
        <source>Default Photo Duration</source>
        <translation>Duração padrão das fotos</translation>
    </message>
    <message>
        <source>Default Text Duration</source>
        <translation>Duração padrão dos textos</translation>
    </message>
    <message>
        <source>Default Self-Drawing Duration</source>
        <translation>Duração padrão dos desenhos</translation>
    </message>
    <message>
        <source>Auto Save/Apply Segment Properties</source>
        <translation>Salvar/aplicar automaticamente as propriedades dos segmentos</translation>
    </message>
    <message>
        <source>Save segment properties and apply to the newly added segments</source>
        <translation>Salva as propriedades dos segmentos e as aplica aos segmentos recém-adicionados</translation>
    </message>
    <message>
        <source>Reset Saved Segment Properties</source>
        <translation>Redefinir as propriedades de segmento salvas</translation>
    </message>
    <message>
        <source>Auto Align When Moving Objects</source>
        <translation>Alinhar automaticamente ao mover objetos</translation>
    </message>
    <message>
        <source>Show guides when moving object to center/edges</source>
        <translation>Mostra guias ao mover um objeto para o centro ou as bordas</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Aceleração por hardware</translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation>Diretório de trabalho</translation>
    </message>
    <message>
        <source>Auto Copy Files to Movie Directory</source>
        <translation>Copiar automaticamente os arquivos para o diretório do filme</translation>
    </message>
    <message>
        <source>Copy files to project directory when adding media to a movie</source>
        <translation>Copia os arquivos para o diretório do projeto ao adicionar mídia a um filme</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Área de trabalho</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Enabled: high performance, loss compatibility</source>
        <translation>Ativada: alto desempenho, menor compatibilidade</translation>
    </message>
    <message>
        <source>Disabled: better compatibility, loss performance</source>
        <translation>Desativada: melhor compatibilidade, menor desempenho</translation>
    </message>
    <message>
        <source>Do you really want to reset the saved segment properties?</source>
        <translation>Deseja mesmo redefinir as propriedades de segmento salvas?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Segment properties reset successfully</source>
        <translation>Propriedades de segmento redefinidas com sucesso</translation>
    </message>
    <message>
        <source>Select working directory</source>
        <translation>Selecionar diretório de trabalho</translation>
    </message>
    <message>
        <source>Close the open movie before changing the working directory.</source>
        <translation>Feche o filme aberto antes de mudar o diretório de trabalho.</translation>
    </message>
    <message>
        <source>No movie can be kept in &quot;%1&quot;: the folder &quot;Projects&quot; cannot be created there. Choose another folder.</source>
        <translation>Nenhum filme pode ser guardado em &quot;%1&quot;: não é possível criar a pasta &quot;Projects&quot; ali. Escolha outra pasta.</translation>
    </message>
</context>
<context>
    <name>ShadowEditingWidgetController</name>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Raio</translation>
    </message>
</context>
<context>
    <name>SpeedEditingWidgetController</name>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Vidorna</source>
        <translation>Vidorna</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>New Movie...</source>
        <translation>Novo filme...</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>Nova pasta...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Ajuda do Vidorna</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Vidorna para smartphones</translation>
    </message>
    <message>
        <source>Feedback...</source>
        <translation>Enviar comentários...</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Sobre o Vidorna</translation>
    </message>
    <message>
        <source>How do you think about Vidorna? What features do you want to see in the next version of Vidorna? Or do you want to report a bug? All about Vidorna, please tell us.







&lt;From Vidorna v%1 on %2 with %3&gt;</source>
        <translation>O que você acha do Vidorna? Quais recursos você quer ver na próxima versão do Vidorna? Ou quer relatar um bug? Conte-nos tudo sobre o Vidorna.







&lt;Enviado do Vidorna v%1 em %2 com %3&gt;</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Central de ajuda</translation>
    </message>
</context>
<context>
    <name>StrokeBorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>Tamanho e cor da borda</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerância</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Contorno</translation>
    </message>
</context>
<context>
    <name>TabsMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>Arquivos locais</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>Efeitos sonoros</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Figurinhas</translation>
    </message>
    <message>
        <source>GIPHY</source>
        <translation>GIPHY</translation>
    </message>
</context>
<context>
    <name>TextAlignmentEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>TextBackEditingWidgetController</name>
    <message>
        <source>Text Background</source>
        <translation>Fundo do texto</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source>Round Corner</source>
        <translation>Cantos arredondados</translation>
    </message>
</context>
<context>
    <name>TextFontEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>TextSizeEditingWidgetController</name>
    <message>
        <source>Text Size &amp; Color</source>
        <translation>Tamanho e cor do texto</translation>
    </message>
</context>
<context>
    <name>TextureGridWidget</name>
    <message>
        <source>Custom Picture...</source>
        <translation>Imagem personalizada...</translation>
    </message>
    <message>
        <source>Open a Picture</source>
        <translation>Abrir uma imagem</translation>
    </message>
</context>
<context>
    <name>TransitionsEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>Transições</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Adicionar transição</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Easing type</source>
        <translation>Tipo de suavização</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Press &quot;+&quot; to add a transition</source>
        <translation>Pressione &quot;+&quot; para adicionar uma transição</translation>
    </message>
</context>
<context>
    <name>TransparencyEditingWidgetController</name>
    <message>
        <source>Transparency</source>
        <translation>Transparência</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Help Center</source>
        <translation>Central de ajuda</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help pages. You can read them at this address:</source>
        <translation>Não foi possível abrir um navegador da web para as páginas de ajuda. Você pode lê-las neste endereço:</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</source>
        <translation>Todos os arquivos de vídeo (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>Todos os arquivos de imagem (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>Todos os arquivos de música (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>M/d</source>
        <extracomment>Date format (QDateTime::toString) of a date in the current year: month/day.</extracomment>
        <translation>d/M</translation>
    </message>
    <message>
        <source>M/d/yyyy</source>
        <extracomment>Date format (QDateTime::toString) of a date in another year: month/day/year.</extracomment>
        <translation>d/M/yyyy</translation>
    </message>
    <message>
        <source>Unknown codec</source>
        <translation>Codec desconhecido</translation>
    </message>
    <message>
        <source>%1, %2, %3 Hz</source>
        <extracomment>Audio stream: codec, channels (Stereo or Mono), sample rate.</extracomment>
        <translation>%1, %2, %3 Hz</translation>
    </message>
    <message>
        <source>%1, %2 x %3</source>
        <extracomment>Video stream: codec, width, height in pixels.</extracomment>
        <translation>%1, %2 x %3</translation>
    </message>
</context>
<context>
    <name>VideoUtilitiesEditingWidget</name>
    <message>
        <source>Video Utilities</source>
        <translation>Ferramentas de vídeo</translation>
    </message>
    <message>
        <source>Grab image from video</source>
        <translation>Capturar imagem do vídeo</translation>
    </message>
</context>
<context>
    <name>VolumeEditingWidgetController</name>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
</TS>
