// The peer measured against voprof's whole-process runs: opens an image with
// ImageJ's Java API, reads one line profile and prints the sample count, mean
// and standard deviation. Compiled and run by scripts/bench only when ImageJ
// is installed; nothing in the project depends on it.
//   java -Djava.awt.headless=true -cp ij.jar:DIR ProfilePeer FILE X1 Y1 X2 Y2
import ij.IJ;
import ij.ImagePlus;

public class ProfilePeer {
    public static void main(String[] args) {
        ImagePlus image = IJ.openImage(args[0]);
        if (image == null) {
            System.err.println("ProfilePeer: cannot open " + args[0]);
            System.exit(1);
        }
        double[] line = image.getProcessor().getLine(Double.parseDouble(args[1]), Double.parseDouble(args[2]),
                                                     Double.parseDouble(args[3]), Double.parseDouble(args[4]));
        double sum = 0.0, squares = 0.0;
        for (double v : line) {
            sum += v;
            squares += v * v;
        }
        int n = line.length;
        double mean = sum / n;
        double std = Math.sqrt(Math.max(0.0, (squares - sum * mean) / n));
        System.out.println(n + " " + mean + " " + std);
        System.exit(0);
    }
}
